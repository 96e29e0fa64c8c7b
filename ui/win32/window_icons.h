// The window's own icons, drawn for its DPI: the large one for the taskbar and Alt+Tab, the small
// one for the title bar. Both come from the program icon (IDI_PROGRAM), which holds the compass at
// every size the shell uses, so that the system finds the size it shows instead of scaling
// another one up: 32 and 16 px at 96 dpi, 48 and 24 at 144, 64 and 32 at 192.
#pragma once

#include <windows.h>

namespace ui::win32 {

class WindowIcons {
public:
    WindowIcons() = default;
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;
    // The icons stay the window's until it is destroyed: destroy the window first.
    ~WindowIcons();

    // Gives the window its icons for the DPI, in place of those it had.
    void FollowDpi(HWND window, UINT dpi);

    // The icons' sizes at the DPI, in pixels.
    static int LargeSize(UINT dpi);
    static int SmallSize(UINT dpi);

private:
    HICON large_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace ui::win32
