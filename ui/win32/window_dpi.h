// What the window needs to know of the display at its DPI, from Windows 7 to 11: the DPI itself,
// the system's fonts and caption sizes, and the frame around a client area. Each asks the newest
// function that the system has (system_functions.h) and falls back to what Windows 7 has; the
// answers are the same wherever the systems overlap.
#pragma once

#include "system_functions.h"

#include <windows.h>

#include <optional>

namespace ui::win32 {

// The one DPI of every monitor on Windows 7 and 8 (and the DPI that functions without a DPI of
// their own answer for on 8.1 and later).
UINT SystemDpi();

// The DPI of the window: its own on Windows 10 1607 and later, its monitor's on Windows 8.1, else
// the system's.
UINT DpiOfWindow(const SystemFunctions& system, HWND window);

// The system's fonts and caption sizes at the DPI. Before Windows 10 1607 the system gives them
// at its own DPI only: they are scaled to the DPI asked for, as the system itself would.
std::optional<NONCLIENTMETRICSW> NonClientMetricsAt(const SystemFunctions& system, UINT dpi);

// The size of a window of the style around a client area of the size, at the DPI. Before
// Windows 10 1607 the system draws every frame at its own DPI (per-monitor awareness of Windows
// 8.1 scales the client area alone), and AdjustWindowRectEx gives that frame.
SIZE FrameSizeAround(const SystemFunctions& system, SIZE client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace ui::win32
