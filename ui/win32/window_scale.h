// The window's font and its scale: the layout was drawn for one font, so the window is laid out
// larger when the system's font needs more room, by one factor for the whole window.
#pragma once

#include "system_functions.h"

#include "ui/control_table.h"

#include <windows.h>

#include <functional>
#include <span>
#include <string_view>

namespace ui::win32 {

// The system's message font at the DPI (Segoe UI 9 pt on Windows 10 and 11), which the window and
// every control use. The caller owns it (DeleteObject).
HFONT CreateMessageFont(const SystemFunctions& system, UINT dpi);

// A text that a control must be able to show whole.
struct TextToFit {
    HWND control;
    ControlKind kind;
    std::u16string_view text;
};

// The smallest scale, never below 1, at which every text fits the room its control leaves for
// text in the font (a label's whole box, a button's face inside its bevel, a field's line inside
// its border and margins), with a pixel to spare at the right and at the bottom. layOut places
// the controls at a scale; it is called for each scale tried, and the controls are left at the
// one returned. The first try above 1 is the need measured at 1, as borders and margins keep
// their size while the boxes grow; whole pixels can then ask for a little more.
double SmallestFittingScale(std::span<const TextToFit> texts, HFONT font, UINT dpi,
                            const std::function<void(double)>& layOut);

}  // namespace ui::win32
