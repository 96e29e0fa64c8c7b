#include "window_icons.h"

#include "resource.h"

namespace ui::win32 {
namespace {

// The shell's icon sizes at 96 dpi (SM_CXICON and SM_CXSMICON there); they grow with the DPI.
constexpr int kLargeIconPixels = 32;
constexpr int kSmallIconPixels = 16;

// Loaded at its own size, not shared: the system then picks the program icon's image of that size.
HICON ProgramIcon(HWND window, int size) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
}

void Replace(HWND window, WPARAM which, HICON& held, HICON icon) {
    if (!icon) return;  // the one it has is better than none
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (held) DestroyIcon(held);
    held = icon;
}

}  // namespace

WindowIcons::~WindowIcons() {
    if (large_) DestroyIcon(large_);
    if (small_) DestroyIcon(small_);
}

int WindowIcons::LargeSize(UINT dpi) { return MulDiv(kLargeIconPixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }
int WindowIcons::SmallSize(UINT dpi) { return MulDiv(kSmallIconPixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

void WindowIcons::FollowDpi(HWND window, UINT dpi) {
    Replace(window, ICON_BIG, large_, ProgramIcon(window, LargeSize(dpi)));
    Replace(window, ICON_SMALL, small_, ProgramIcon(window, SmallSize(dpi)));
}

}  // namespace ui::win32
