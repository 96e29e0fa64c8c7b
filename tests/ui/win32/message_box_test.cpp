// The over-length box says nothing but its title, "Tarvolin_11": it is made wide enough for the
// whole title in the system's caption font at the window's DPI, beside the buttons a title bar may
// hold, and stays an empty modal box with one OK button in its middle.
#include "window_fixture.h"

#include "ui/win32/system_functions.h"

#include <optional>
#include <string>

namespace {

using enum ui::Control;

constexpr std::u16string_view kTitle = u"Tarvolin_11";
constexpr int kTitleBarButtons = 5;

// What the title bar must hold at the DPI, from the system's own metrics for it: the title in the
// caption font, and the buttons.
int TitleBarNeed(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ui::win32::SystemFunctions::OfThisSystem().systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                                                                          &metrics, 0, dpi);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE title{};
    GetTextExtentPoint32W(screen, reinterpret_cast<const wchar_t*>(kTitle.data()), static_cast<int>(kTitle.size()),
                          &title);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return title.cx + kTitleBarButtons * metrics.iCaptionWidth;
}

TEST_F(Win32WindowTest, TheOverLengthBoxIsWideEnoughForItsWholeTitle) {
    struct Row {
        const char* name;
        UINT dpi;          // 0: the window's own
        LONG captionFont;  // 0: the system's
    };
    const Row rows[] = {{"as the window opens", 0, 0}, {"at 144 dpi", 144, 0}, {"at 192 dpi", 192, 0},
                        {"in a caption font of 28 px", 0, -28}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<LargerSystemFont> font;
        if (row.captionFont) {
            font.emplace(&NONCLIENTMETRICSW::lfCaptionFont, row.captionFont);
            ASSERT_TRUE(font->Applied());
        }
        Win32WindowTest::TearDown();
        Win32WindowTest::SetUp();
        if (row.dpi) {
            const RECT proposed{0, 0, MulDiv(520, row.dpi, 96), MulDiv(460, row.dpi, 96)};
            SendMessageW(form->WindowHandle(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&proposed));
        }
        Type(Text3, u"FN31PRX");
        Type(Text5, u"IO91WM");
        driver->Click(Command1);
        ASSERT_EQ(driver->Messages().size(), 1u);
        const behaviour::SeenMessage& box = driver->Messages().front();
        EXPECT_EQ(box.caption, kTitle);
        EXPECT_EQ(box.message, u"");
        EXPECT_EQ(box.buttons, 1);
        EXPECT_FALSE(box.windowTookInput) << "the window took input while the box was up";
        const win32_test::BoxPlace& place = driver->BoxPlaces().front();
        EXPECT_GE(place.client.right, TitleBarNeed(form->Dpi())) << "the title bar cuts the title";
        EXPECT_NEAR(place.ok.left, place.client.right - place.ok.right, 1) << "the OK button is off the middle";
    }
}

}  // namespace
