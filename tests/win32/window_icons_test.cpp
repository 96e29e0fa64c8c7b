// The window's icons, which the taskbar, Alt+Tab and the title bar show: at each DPI the program
// icon's own drawings of the sizes shown there, not another size scaled.
#include "window_fixture.h"

#include "ui/win32/resource.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The icon drawn at its own size over black, as 0xAARRGGBB pixels.
std::vector<std::uint32_t> Drawn(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof pixels[0]);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return mask.bmWidth;
}

// The image of the size in the program icon's group, made from its own resource: no choosing and
// no scaling by the system. nullptr when the group has no image of that size.
HICON ProgramIconImage(int size) {
#pragma pack(push, 2)
    struct Entry {
        BYTE width, height, colourCount, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON);
    const auto* header = group ? static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group))) : nullptr;
    if (!header) return nullptr;
    const WORD count = static_cast<WORD>(header[4] | header[5] << 8);
    for (WORD i = 0; i < count; ++i) {
        Entry entry;
        std::memcpy(&entry, header + 6 + i * sizeof entry, sizeof entry);
        if (entry.width != size) continue;
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(entry.id), RT_ICON);
        auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(nullptr, image)));
        return CreateIconFromResourceEx(bytes, SizeofResource(nullptr, image), TRUE, 0x00030000, size, size, 0);
    }
    return nullptr;
}

TEST_F(Win32WindowTest, TheWindowsIconsAreTheProgramIconsDrawingsForTheDpi) {
    struct Row {
        UINT dpi;
        int large, small;
    };
    const Row rows[] = {{96, 32, 16}, {120, 40, 20}, {144, 48, 24}, {192, 64, 32}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.dpi) + " dpi");
        if (row.dpi != form->dpi()) {
            const RECT proposed{0, 0, MulDiv(520, row.dpi, 96), MulDiv(460, row.dpi, 96)};
            SendMessageW(form->handle(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&proposed));
        }
        for (const auto& [which, size] : {std::pair{ICON_BIG, row.large}, std::pair{ICON_SMALL, row.small}}) {
            SCOPED_TRACE(which == ICON_BIG ? "large icon" : "small icon");
            const auto icon = reinterpret_cast<HICON>(SendMessageW(form->handle(), WM_GETICON, which, 0));
            ASSERT_EQ(IconWidth(icon), size);
            HICON drawing = ProgramIconImage(size);
            ASSERT_NE(drawing, nullptr) << "the program icon has no " << size << " px image";
            EXPECT_TRUE(Drawn(icon, size) == Drawn(drawing, size)) << "another image, or another size scaled";
            DestroyIcon(drawing);
        }
    }
}

}  // namespace
