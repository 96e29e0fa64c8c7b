// Built apart, without the Windows 7 target (tests/ui/win32/CMakeLists.txt), so that it imports
// what Windows 7 lacks, which the check of the imports against Windows 7 must name: a function of
// Windows 10 (user32) and a DLL of Windows 8 (shcore).
#include <windows.h>
#include <shellscalingapi.h>

int main() {
    UINT x = 0, y = 0;
    GetDpiForMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), MDT_EFFECTIVE_DPI, &x, &y);
    return static_cast<int>(GetDpiForWindow(GetDesktopWindow()) + y);
}
