// The functions of Windows later than Windows 7 SP1 that the window uses where the system has
// them. The program file imports none of them (the build targets Windows 7, where they are not
// even declared): each is looked up when the program starts, and is nullptr where the system
// lacks it. window_dpi.h falls back to what Windows 7 has.
//
//   Windows 10, version 1607 and later   all four
//   Windows 8.1 (and 10 before 1607)     GetDpiForMonitor only
//   Windows 7 and 8                      none
#pragma once

#include <windows.h>

namespace ui::win32 {

struct SystemFunctions {
    // user32, Windows 10 version 1607: the DPI of a window, and the frame and system metrics
    // for any DPI.
    UINT(WINAPI* getDpiForWindow)(HWND window) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) = nullptr;
    BOOL(WINAPI* systemParametersInfoForDpi)(UINT action, UINT size, void* value, UINT update, UINT dpi) = nullptr;
    // shcore, Windows 8.1: the DPI of a monitor, of the type asked for (kEffectiveDpi).
    HRESULT(WINAPI* getDpiForMonitor)(HMONITOR monitor, int type, UINT* dpiX, UINT* dpiY) = nullptr;

    // MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI: the DPI that the display settings' scale gives.
    static constexpr int kEffectiveDpi = 0;

    // What this system has, looked up once.
    static const SystemFunctions& OfThisSystem();
};

// This system's functions less those that an older Windows lacks: what the window finds there.
// For the tests, which run the window on these paths under Wine, where every function exists.
SystemFunctions AsOnWindows81(const SystemFunctions& system = SystemFunctions::OfThisSystem());
SystemFunctions AsOnWindows7(const SystemFunctions& system = SystemFunctions::OfThisSystem());

}  // namespace ui::win32
