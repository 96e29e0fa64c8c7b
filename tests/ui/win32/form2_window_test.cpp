// What the behaviour table cannot say in the window's terms: how the Win32 controls carry out the
// contract (the caret, the default button's look, the message box), Windows's own keys
// (Escape), and the layout at a DPI.
#include "window_fixture.h"

#include "ui/control_table.h"
#include "ui/fitted_texts.h"
#include "ui/win32/window_text.h"

#include <commctrl.h>

#include <string>

namespace {

using enum ui::Control;
using ui::Control;
using win32_test::Describe;
using win32_test::RectInParent;

std::string Name(Control control) { return ui::RowOf(control).name; }

bool SameRect(const RECT& r, const ui::PixelRect& p) {
    return r.left == p.left && r.top == p.top && r.right - r.left == p.width && r.bottom - r.top == p.height;
}


LONG_PTR ButtonType(HWND button) { return GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK; }

// --- The default button ---

// As in a dialog, a focused button wears the default-button look, which Enter presses; wherever
// else the focus goes, by Tab or by a click, the look goes back to Calculate once the completion
// signal came, and to no button before it.
TEST_F(Win32WindowTest, TheDefaultButtonLookFollowsTheFocus) {
    enum Move { Focus, Tab, Click };
    constexpr LONG_PTR kPlain = BS_PUSHBUTTON, kDefault = BS_DEFPUSHBUTTON;
    struct Row {
        const char* name;
        Move move;
        Control to;
        LONG_PTR before[2], after[2];  // Calculate's and Exit's look, before and after the signal
    };
    const Row rows[] = {
        {"into a field", Focus, Text5, {kPlain, kPlain}, {kDefault, kPlain}},
        {"onto Exit", Focus, Command2, {kPlain, kDefault}, {kPlain, kDefault}},
        {"from a button into a field", Focus, Text3, {kPlain, kPlain}, {kDefault, kPlain}},
        {"onto Calculate by a click", Click, Command1, {kDefault, kPlain}, {kDefault, kPlain}},
        {"from a button into a field by a click", Click, Text6, {kPlain, kPlain}, {kDefault, kPlain}},
        {"from Exit onto a flag by Tab", Tab, Picture2, {kPlain, kPlain}, {kDefault, kPlain}},
    };
    for (const bool completed : {false, true}) {
        if (completed) Type(Text5, u"JN61FV");
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (completed ? " after the completion signal" : " before it"));
            if (row.move == Tab) driver->Focus(Command2);
            if (row.move == Tab) driver->Press(behaviour::Key::Tab);
            if (row.move == Click) driver->Act([&] { driver->MouseClick(row.to); });
            if (row.move == Focus) driver->Focus(row.to);
            ASSERT_EQ(GetFocus(), ControlHandle(row.to));
            const LONG_PTR* looks = completed ? row.after : row.before;
            EXPECT_EQ(ButtonType(ControlHandle(Command1)), looks[0]);
            EXPECT_EQ(ButtonType(ControlHandle(Command2)), looks[1]);
        }
    }
}

// --- Windows's own keys ---

// Escape does what Exit does, wherever the focus is: Exit is IDCANCEL.
TEST_F(Win32WindowTest, EscapeIsExit) {
    for (const Control focus : {Picture1, Text3, Text6, Command1, Picture4}) {
        SCOPED_TRACE(Name(focus));
        Win32WindowTest::TearDown();
        Win32WindowTest::SetUp();
        Type(Text5, u"JN45LL");
        driver->Focus(focus);
        driver->Act([&] { driver->PressKey(VK_ESCAPE); });
        EXPECT_TRUE(driver->Closed());
    }
}

TEST_F(Win32WindowTest, FocusComesBackWithTheWindow) {
    driver->Focus(Text5);
    HWND other = CreateWindowExW(0, WC_STATICW, L"another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    win32_test::Pump(form->WindowHandle());
    EXPECT_NE(GetFocus(), ControlHandle(Text5));
    SetActiveWindow(form->WindowHandle());
    win32_test::Pump(form->WindowHandle());
    EXPECT_EQ(GetFocus(), ControlHandle(Text5));
    DestroyWindow(other);
}

// --- Layout ---

TEST_F(Win32WindowTest, TheWindowIsCentredOnTheWorkAreaInAResizableFrame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    GetWindowRect(form->WindowHandle(), &frame);
    EXPECT_NEAR(frame.left - monitor.rcWork.left, monitor.rcWork.right - frame.right, 1);
    EXPECT_NEAR(frame.top - monitor.rcWork.top, monitor.rcWork.bottom - frame.bottom, 1);
    const LONG_PTR style = GetWindowLongPtrW(form->WindowHandle(), GWL_STYLE);
    for (const LONG_PTR part : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_SYSMENU, WS_CAPTION}) {
        EXPECT_EQ(style & part, part);
    }
    EXPECT_EQ(ui::win32::WindowText(form->WindowHandle()), ui::kWindowTitle);
    EXPECT_NE(GetClassLongPtrW(form->WindowHandle(), GCLP_HICON), 0) << "the window icon";
    // Maximised, the window shows more background; no control moves.
    const RECT ruler = RectInParent(ControlHandle(Picture4));
    ShowWindow(form->WindowHandle(), SW_MAXIMIZE);
    win32_test::Pump(form->WindowHandle());
    EXPECT_EQ(Describe(RectInParent(ControlHandle(Picture4))), Describe(ruler));
}

SIZE TextExtent(HWND control, std::u16string_view text) {
    HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {extent.cx, metrics.tmHeight};
}

// A font larger than the layout was drawn for grows the whole window, by one scale, until every
// caption in both languages and the widest field texts fit whole.
TEST_F(Win32WindowTest, ALargerFontGrowsTheWholeWindow) {
    const LargerSystemFont font(&NONCLIENTMETRICSW::lfMessageFont, -22);  // twice Wine's, about 16 pt at 96 dpi
    ASSERT_TRUE(font.Applied());
    Win32WindowTest::TearDown();
    Win32WindowTest::SetUp();
    EXPECT_GT(form->Scale(), 1.5);
    RECT client;
    GetClientRect(form->WindowHandle(), &client);
    EXPECT_EQ(client.right, ui::TwipsToPixels(ui::kClientWidthTwips, form->Scale()));
    EXPECT_EQ(client.bottom, ui::TwipsToPixels(ui::kClientHeightTwips, form->Scale()));
    EXPECT_TRUE(SameRect(RectInParent(ControlHandle(Picture4)), ui::TwipsToPixels(ui::RowOf(Picture4), form->Scale())));
    for (const ui::TextToFit& fit : ui::TextsToFit()) {
        SCOPED_TRACE(Name(fit.control) + " " + testing::PrintToString(fit.text));
        const SIZE text = TextExtent(ControlHandle(fit.control), fit.text);
        RECT room;
        GetClientRect(ControlHandle(fit.control), &room);
        if (ui::RowOf(fit.control).kind == ui::ControlKind::TextBox) {
            const auto margins = static_cast<DWORD>(SendMessageW(ControlHandle(fit.control), EM_GETMARGINS, 0, 0));
            room.right -= LOWORD(margins) + HIWORD(margins);
        }
        EXPECT_LT(text.cx, room.right);
        EXPECT_LT(text.cy, room.bottom);
    }
}

// Another monitor's DPI arrives with the rectangle Windows proposes: the window takes it, and the
// font and the layout follow the new DPI. (Wine has one DPI only, so the message is sent here.)
TEST_F(Win32WindowTest, ANewDpiBringsItsFontAndLayout) {
    constexpr UINT kDoubleDpi = 192;
    const RECT proposed{40, 30, 40 + 1010, 30 + 890};
    SendMessageW(form->WindowHandle(), WM_DPICHANGED, MAKEWPARAM(kDoubleDpi, kDoubleDpi), reinterpret_cast<LPARAM>(&proposed));
    win32_test::Pump(form->WindowHandle());
    EXPECT_EQ(form->Dpi(), kDoubleDpi);
    RECT frame;
    GetWindowRect(form->WindowHandle(), &frame);
    EXPECT_EQ(Describe(frame), Describe(proposed));
    const double devicePixelsPerUnit = form->Scale() * 2;
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (!ui::IsShown(row)) continue;
        const RECT r = RectInParent(ControlHandle(row.id));
        EXPECT_TRUE(SameRect(r, ui::TwipsToPixels(row, devicePixelsPerUnit))) << row.name << " at " << Describe(r);
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, kDoubleDpi));
    for (const Control c : {Label1, Text3, Command1}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ControlHandle(c), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight) << Name(c);
    }
}

}  // namespace

namespace {

// --- Where the window opens ---

RECT PrimaryWorkArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// A window larger than the work area (a large font on a small screen) opens with its title bar in
// the work area, where the mouse can take it and move the window, not above the top of the screen.
TEST_F(Win32WindowTest, AWindowLargerThanTheWorkAreaOpensWithItsTitleBarInIt) {
    const LargerSystemFont font(&NONCLIENTMETRICSW::lfMessageFont, -48);
    ASSERT_TRUE(font.Applied());
    Win32WindowTest::TearDown();
    Win32WindowTest::SetUp();
    const RECT work = PrimaryWorkArea();
    RECT frame;
    GetWindowRect(form->WindowHandle(), &frame);
    ASSERT_GT(frame.bottom - frame.top, work.bottom - work.top) << "the window fits: the test needs a larger font";
    ASSERT_GT(frame.right - frame.left, work.right - work.left) << "the window fits: the test needs a larger font";
    POINT client{0, 0};
    ClientToScreen(form->WindowHandle(), &client);
    EXPECT_EQ(frame.top, work.top);
    EXPECT_EQ(frame.left, work.left);
    EXPECT_LE(client.y, work.bottom) << "the title bar reaches below the work area";
}

}  // namespace
