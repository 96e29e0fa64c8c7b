// The window's icons, which the taskbar, Alt+Tab and the title bar show, are of the sizes shown
// there at the window's DPI, also after a move to a monitor of another DPI. (That they are the
// program icon's own drawings of those sizes, not another size scaled, the end-to-end test sees
// in what Wine hands to the taskbar.)
#include "window_fixture.h"

#include <string>

namespace {

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return mask.bmWidth;
}

TEST_F(Win32WindowTest, TheWindowsIconsHaveTheSizesForItsDpi) {
    struct Row {
        UINT dpi;
        int large, small;
    };
    const Row rows[] = {{96, 32, 16}, {120, 40, 20}, {144, 48, 24}, {192, 64, 32}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.dpi) + " dpi");
        if (row.dpi != form->Dpi()) {
            const RECT proposed{0, 0, MulDiv(520, row.dpi, 96), MulDiv(460, row.dpi, 96)};
            SendMessageW(form->WindowHandle(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&proposed));
        }
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(form->WindowHandle(), WM_GETICON, ICON_BIG, 0))), row.large);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(form->WindowHandle(), WM_GETICON, ICON_SMALL, 0))), row.small);
    }
}

}  // namespace
