// The picture boxes as they draw and as they take clicks: the picture at its natural size inside
// a sunken border that grows with the device scale, the right drawing for the scale, the focus
// frame, the system's colours, and what counts as one click.
#include "window_fixture.h"

#include "ui/control_table.h"
#include "ui/win32/picture_box.h"
#include "ui/win32/resource_data.h"
#include "ui/win32/smooth_scaling.h"
#include "ui/win32/wic_image.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using enum ui::Control;
using ui::Control;
using ui::win32::Pixels;

using Rgb = std::uint32_t;  // 0xRRGGBB, as a 32-bit DIB holds it

Rgb FromColorref(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
Rgb SystemColour(int index) { return FromColorref(GetSysColor(index)); }

Rgb At(const Pixels& p, int x, int y) {
    const std::uint8_t* px = &p.bgra[(static_cast<std::size_t>(y) * p.width + x) * 4];
    return (px[2] << 16) | (px[1] << 8) | px[0];
}

Pixels Decoded(std::u16string_view resource) {
    const ui::win32::ResourceBytes bytes = ui::win32::RcdataResource(resource);
    return ui::win32::DecodeImage(bytes.data, bytes.size).value_or(Pixels{});
}

// What a control paints, asked for with WM_PRINTCLIENT into a 32-bit bitmap of its size.
struct Canvas {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF; }
};

Canvas Painted(HWND control) {
    RECT box;
    GetClientRect(control, &box);
    Canvas canvas{box.right, box.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.width;
    info.bmiHeader.biHeight = -canvas.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    canvas.pixels.resize(static_cast<std::size_t>(canvas.width) * canvas.height);
    std::memcpy(canvas.pixels.data(), bits, canvas.pixels.size() * sizeof(Rgb));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return canvas;
}

std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
    return text;
}

int Rounded(double x) { return static_cast<int>(std::lround(x)); }

// --- Drawing ---

struct DrawingCase {
    const char* name;
    Control picture;
    std::u16string_view natural, doubleSize;  // resources
    UINT dpi;
};

void PrintTo(const DrawingCase& c, std::ostream* os) { *os << c.name; }

// The window at another DPI, as another monitor would bring it, in a frame grown to match.
void MoveToDpi(ui::win32::Form2Window& form, UINT dpi) {
    if (dpi == form.Dpi()) return;
    RECT frame;
    GetWindowRect(form.WindowHandle(), &frame);
    const int width = MulDiv(frame.right - frame.left, static_cast<int>(dpi), static_cast<int>(form.Dpi()));
    const int height = MulDiv(frame.bottom - frame.top, static_cast<int>(dpi), static_cast<int>(form.Dpi()));
    const RECT proposed{frame.left, frame.top, frame.left + width, frame.top + height};
    SendMessageW(form.WindowHandle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&proposed));
    win32_test::Pump(form.WindowHandle());
}

class PictureDrawing : public Win32WindowTest, public testing::WithParamInterface<DrawingCase> {};

// The border in the system's sunken-edge colours, then the picture pixel for pixel from the
// interior's top-left corner, clipped at the border; what it leaves is the dialog background. The
// expected picture is the natural one at 1 device pixel per unit, the double-size drawing at 2,
// and that drawing scaled smoothly in between.
TEST_P(PictureDrawing, PictureInsideASunkenBorder) {
    const DrawingCase& c = GetParam();
    MoveToDpi(*form, c.dpi);
    driver->Focus(Text3);
    const double device = form->Scale() * form->Dpi() / USER_DEFAULT_SCREEN_DPI;
    const Pixels natural = Decoded(c.natural);
    const Pixels expected = device == 1   ? natural
                            : device == 2 ? Decoded(c.doubleSize)
                                          : ui::win32::ScaledSmoothly(Decoded(c.doubleSize), Rounded(natural.width * device),
                                                                      Rounded(natural.height * device));
    ASSERT_GT(expected.width, 0);
    const Canvas canvas = Painted(ControlHandle(c.picture));
    const int border = Rounded(2 * device);
    const int outer = (border + 1) / 2;
    const int middle = canvas.height / 2;
    EXPECT_EQ(Hex(canvas.at(0, middle)), Hex(SystemColour(COLOR_BTNSHADOW)));
    EXPECT_EQ(Hex(canvas.at(border - 1, middle)), Hex(SystemColour(border > 1 ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW)));
    EXPECT_EQ(Hex(canvas.at(canvas.width - 1, middle)), Hex(SystemColour(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(Hex(canvas.at(canvas.width - outer - 1, middle)), Hex(SystemColour(COLOR_3DLIGHT)));
    int differing = 0;
    std::string first;
    for (int y = border; y < canvas.height - border; ++y) {
        for (int x = border; x < canvas.width - border; ++x) {
            const int px = x - border, py = y - border;
            const Rgb want = px < expected.width && py < expected.height ? At(expected, px, py) : SystemColour(COLOR_BTNFACE);
            if (canvas.at(x, y) != want && differing++ == 0) {
                first = "first at " + std::to_string(x) + "," + std::to_string(y) + ": " + Hex(canvas.at(x, y)) +
                        " for " + Hex(want);
            }
        }
    }
    EXPECT_EQ(differing, 0) << first;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureDrawing,
    testing::Values(DrawingCase{"CompassAt96", Picture1, u"compass", u"compass_2x", 96},
                    DrawingCase{"UkFlagAt96", Picture2, u"flag_uk", u"flag_uk_2x", 96},
                    DrawingCase{"UkFlagAt192", Picture2, u"flag_uk", u"flag_uk_2x", 192},
                    DrawingCase{"ItalianFlagAt144", Picture3, u"flag_it", u"flag_it_2x", 144},
                    DrawingCase{"RulerAt96", Picture4, u"ruler", u"ruler_2x", 96},
                    DrawingCase{"RulerAt144", Picture4, u"ruler", u"ruler_2x", 144},
                    DrawingCase{"RulerAt192", Picture4, u"ruler", u"ruler_2x", 192},
                    DrawingCase{"CompassAt192", Picture1, u"compass", u"compass_2x", 192}),
    [](const auto& info) { return std::string(info.param.name); });

// The focus frame lies along the inside of the border, in the highlight colour, as wide as the
// border; for the compass, which reaches below the window, along the part the window shows.
TEST_F(Win32WindowTest, FocusFrameFollowsTheShownPartOfTheInterior) {
    struct Row {
        Control picture;
        UINT dpi;
    };
    for (const Row& row : {Row{Picture4, 96}, Row{Picture1, 96}, Row{Picture4, 192}}) {
        SCOPED_TRACE(std::string(ui::RowOf(row.picture).name) + " at " + std::to_string(row.dpi));
        MoveToDpi(*form, row.dpi);
        const double device = form->Scale() * form->Dpi() / USER_DEFAULT_SCREEN_DPI;
        const int border = Rounded(2 * device), width = Rounded(2 * device);
        const Rgb highlight = SystemColour(COLOR_HIGHLIGHT);
        const Canvas unfocused = Painted(ControlHandle(row.picture));
        driver->Focus(row.picture);
        ASSERT_EQ(GetFocus(), ControlHandle(row.picture));
        const Canvas focused = Painted(ControlHandle(row.picture));
        RECT client, box;
        GetClientRect(form->WindowHandle(), &client);
        GetWindowRect(ControlHandle(row.picture), &box);
        MapWindowPoints(HWND_DESKTOP, form->WindowHandle(), reinterpret_cast<POINT*>(&box), 2);
        const int shownBottom = std::min(focused.height - border, static_cast<int>(client.bottom - box.top));
        const int x = focused.width / 2;
        EXPECT_EQ(Hex(focused.at(border, focused.height / 2)), Hex(highlight)) << "left edge";
        EXPECT_EQ(Hex(focused.at(border + width - 1, focused.height / 2)), Hex(highlight));
        EXPECT_NE(Hex(focused.at(border + width, focused.height / 2)), Hex(highlight)) << "no wider than the border";
        EXPECT_EQ(Hex(focused.at(x, border)), Hex(highlight)) << "top edge";
        EXPECT_EQ(Hex(focused.at(x, shownBottom - 1)), Hex(highlight)) << "bottom edge, where the window ends";
        EXPECT_EQ(Hex(focused.at(x, shownBottom - width - 1)), Hex(unfocused.at(x, shownBottom - width - 1)));
        EXPECT_NE(Hex(unfocused.at(border, focused.height / 2)), Hex(highlight)) << "no frame without the focus";
        driver->Focus(Text3);
    }
}

// Every colour but the picture's own is the system's: a new scheme (high contrast) repaints the
// boxes in its colours.
TEST_F(Win32WindowTest, PictureBoxesDrawInTheSystemsColours) {
    const int elements[] = {COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_BTNFACE, COLOR_HIGHLIGHT};
    const COLORREF scheme[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 255), RGB(0, 255, 255)};
    COLORREF saved[std::size(elements)];
    for (std::size_t i = 0; i < std::size(elements); ++i) saved[i] = GetSysColor(elements[i]);
    ASSERT_TRUE(SetSysColors(static_cast<int>(std::size(elements)), elements, scheme));
    win32_test::Pump(form->WindowHandle());
    const Canvas flag = Painted(ControlHandle(Picture2));
    driver->Focus(Picture2);
    const Canvas focused = Painted(ControlHandle(Picture2));
    SetSysColors(static_cast<int>(std::size(elements)), elements, saved);
    const int middle = flag.height / 2;
    EXPECT_EQ(Hex(flag.at(0, middle)), Hex(FromColorref(scheme[0]))) << "shadow";
    EXPECT_EQ(Hex(flag.at(1, middle)), Hex(FromColorref(scheme[1]))) << "dark shadow";
    EXPECT_EQ(Hex(flag.at(flag.width - 1, middle)), Hex(FromColorref(scheme[2]))) << "highlight";
    EXPECT_EQ(Hex(flag.at(flag.width - 2, middle)), Hex(FromColorref(scheme[3]))) << "light";
    EXPECT_EQ(Hex(focused.at(2, 2)), Hex(FromColorref(scheme[5]))) << "focus frame";
    EXPECT_EQ(Hex(flag.at(flag.width / 2, flag.height - 3)), Hex(FromColorref(scheme[4]))) << "background below the flag";
}

// --- Clicks ---

// A held space bar clicks once, and BM_CLICK clicks as it does a button. (A click, a double-click,
// a press released outside, the space bar and Enter are rows of the behaviour table.)
TEST_F(Win32WindowTest, WhatCountsAsOneClickOfAPicture) {
    struct Row {
        const char* name;
        void (*act)(win32_test::Win32Driver&, HWND);
        int clicks;
    };
    const Row rows[] = {
        {"space bar held",
         [](win32_test::Win32Driver& d, HWND picture) {
             d.Focus(Picture4);
             constexpr LPARAM kRepeat = 1 << 30;
             for (const LPARAM repeat : {LPARAM{0}, kRepeat, kRepeat, kRepeat}) PostMessageW(picture, WM_KEYDOWN, VK_SPACE, 1 | repeat);
             PostMessageW(picture, WM_KEYUP, VK_SPACE, 1 | kRepeat | (LPARAM{1} << 31));
         },
         1},
        {"BM_CLICK", [](win32_test::Win32Driver&, HWND picture) { SendMessageW(picture, BM_CLICK, 0, 0); }, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        win32_test::NotificationWatch clicks(form->WindowHandle(), ControlHandle(Picture4), BN_CLICKED);
        driver->Act([&] { row.act(*driver, ControlHandle(Picture4)); });
        EXPECT_EQ(clicks.count, row.clicks);
    }
    EXPECT_EQ(form->Caption(Label3), u"Km") << "two clicks in all, kilometres again";
}

}  // namespace
