// The window's font and its scale: the layout was drawn for one font, so the window is laid out
// larger when the system's font needs more room, by one factor for the whole window, by the
// fitting rule of ui/scale_search.h over what the system measures of its controls.
#pragma once

#include "system_functions.h"

#include "ui/scale_search.h"

#include <windows.h>

#include <functional>

namespace ui::win32 {

// The system's message font at the DPI (Segoe UI 9 pt on Windows 10 and 11), which the window and
// every control use. The caller owns it (DeleteObject).
HFONT CreateMessageFont(const SystemFunctions& system, UINT dpi);

// Each control measured in the font at the DPI: the room a label's client area leaves, a button's
// face inside its bevel, a field's line inside its border and margins.
class ControlMeasure final : public ui::TextMeasure {
public:
    ControlMeasure(std::function<HWND(Control)> control, HFONT font, UINT dpi);
    ControlMeasure(const ControlMeasure&) = delete;
    ControlMeasure& operator=(const ControlMeasure&) = delete;
    ~ControlMeasure();

    PixelSize Box(Control control) const override;
    PixelSize Room(Control control) const override;
    PixelSize Extent(Control control, std::u16string_view text) const override;

private:
    std::function<HWND(Control)> control_;
    UINT dpi_;
    HDC dc_;  // the screen's, with the font selected
    HGDIOBJ previous_;
};

}  // namespace ui::win32
