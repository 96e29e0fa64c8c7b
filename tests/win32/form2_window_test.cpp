// What the behaviour table cannot say in the window's terms: how the Win32 controls carry out the
// contract (the nested write, undo, the default button, the message box), Windows's own keys
// (Tab, Escape), and the layout at a DPI.
#include "window_fixture.h"

#include "../ui/behaviour_table.h"

#include "ui/caption_table.h"
#include "ui/control_table.h"
#include "ui/fitted_texts.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/window_scale.h"
#include "ui/win32/window_text.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using enum ui::Control;
using ui::Control;

std::string Name(Control control) { return ui::RowOf(control).name; }

std::pair<DWORD, DWORD> Selection(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

RECT RectInParent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool SameRect(const RECT& r, const ui::PixelRect& p) {
    return r.left == p.left && r.top == p.top && r.right - r.left == p.width && r.bottom - r.top == p.height;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

LONG_PTR ButtonType(HWND button) { return GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK; }

// --- The change notification ---

// A write runs the field's handler nested, before it returns, only when the text changes: a
// lower-case text is written back upper-cased by the nested run, whose own write-back of the same
// text notifies nothing. Typed letters reach the field upper-cased and need no write-back at all.
TEST_F(Win32WindowTest, ChangeNotificationsNestOnceAndOnlyForAChange) {
    struct Row {
        const char* name;
        Control field;
        std::u16string write;  // written by the program; empty: "a" typed at the end instead
        int changes, deepest;
        std::u16string shown;
    };
    const Row rows[] = {
        {"lower case written", Text5, u"jn45ll", 2, 2, u"JN45LL"},
        {"upper case written", Text3, u"IO91WM", 1, 1, u"IO91WM"},
        {"same text written", Text5, u"...", 0, 0, u"..."},
        {"letter typed", Text3, u"", 1, 1, u"JN61FVA"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Win32WindowTest::TearDown();
        Win32WindowTest::SetUp();
        NotificationWatch watch(form->handle(), control(row.field), EN_CHANGE);
        if (row.write.empty()) {
            driver->Append(row.field, u"a");
        } else {
            form->SetText(row.field, row.write);
        }
        EXPECT_EQ(watch.count, row.changes);
        EXPECT_EQ(watch.deepest, row.deepest);
        EXPECT_EQ(form->Text(row.field), row.shown);
        if (row.changes > 0) {
            EXPECT_EQ(Selection(control(row.field)), std::make_pair(DWORD(row.shown.size()), DWORD(row.shown.size())))
                << "caret after the last character";
        }
    }
}

TEST_F(Win32WindowTest, TheCaretCountsCharactersNotUnits) {
    const std::u16string text = u"\U0001F600ab";  // one character in two UTF-16 units, then two
    form->SetText(Text6, text);
    form->PlaceCaret(Text6, 1);
    EXPECT_EQ(Selection(control(Text6)), std::make_pair(DWORD(2), DWORD(2)));
    SendMessageW(control(Text6), EM_SETSEL, 0, -1);
    form->PlaceCaret(Text6, 3);
    EXPECT_EQ(Selection(control(Text6)), std::make_pair(DWORD(4), DWORD(4))) << "the selection cancelled";
}

// --- Undo ---

// The fields keep their edit history: Ctrl+Z takes back the last edit, typed or pasted, in the
// locator fields as in the others (there the upper-casing must not have rewritten the text).
TEST_F(Win32WindowTest, CtrlZTakesBackTheLastEdit) {
    struct Row {
        Control field;
        bool paste;
        std::u16string shown;
    };
    const Row rows[] = {{Text3, false, u"JN45LL"}, {Text5, false, u"JN45LL"}, {Text6, false, u"jn45ll"},
                        {Text3, true, u"JN45LL"},  {Text5, true, u"JN45LL"},  {Text6, true, u"jn45ll"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(Name(row.field) + (row.paste ? " pasted" : " typed"));
        const std::u16string before = form->Text(row.field);
        if (row.paste) {
            driver->Paste(row.field, u"jn45ll\r\nnext line");
        } else {
            driver->Type(row.field, u"jn45ll");
        }
        ASSERT_EQ(form->Text(row.field), row.shown);
        driver->Act([&] { driver->PressKey('Z', false, true); });
        EXPECT_EQ(form->Text(row.field), before);
        form->SetText(row.field, before);
    }
}

// --- The default button ---

TEST_F(Win32WindowTest, CompletionSignalMakesCalculateTheDefaultButton) {
    const auto defaultId = [this] { return SendMessageW(form->handle(), DM_GETDEFID, 0, 0); };
    const LRESULT calculate = MAKELRESULT(ui::win32::ControlId(Command1), DC_HASDEFID);
    driver->Type(Text3, u"JN61FA");  // six characters in the first field do nothing
    driver->Type(Text5, u"JN61F");
    EXPECT_EQ(HIWORD(defaultId()), 0) << "no default button before the signal";
    EXPECT_EQ(ButtonType(control(Command1)), BS_PUSHBUTTON);
    driver->Append(Text5, u"v");
    EXPECT_EQ(defaultId(), calculate);
    EXPECT_EQ(ButtonType(control(Command1)), BS_DEFPUSHBUTTON);
    // As in a dialog, a focused button is the one Enter presses while it has the focus.
    driver->Focus(Command2);
    EXPECT_EQ(ButtonType(control(Command2)), BS_DEFPUSHBUTTON);
    EXPECT_EQ(ButtonType(control(Command1)), BS_PUSHBUTTON);
    EXPECT_EQ(defaultId(), calculate);
    driver->Act([&] { driver->PressKey(VK_TAB); });  // on to the English flag
    EXPECT_EQ(GetFocus(), control(Picture2));
    EXPECT_EQ(ButtonType(control(Command1)), BS_DEFPUSHBUTTON);
    EXPECT_EQ(ButtonType(control(Command2)), BS_PUSHBUTTON);
    driver->PressEnter(Text5);
    EXPECT_EQ(form->Text(Text1), u" 360");
}

// --- The message box ---

TEST_F(Win32WindowTest, OverLengthBoxIsModalWithOneOkAndNoIcon) {
    driver->Type(Text3, u"FN31PRX");
    driver->Type(Text5, u"IO91WM");
    driver->Click(Command1);
    ASSERT_EQ(driver->Boxes().size(), 1u);
    const win32_test::BoxSeen& box = driver->Boxes().front();
    EXPECT_EQ(box.caption, u"Tarvolin_11");
    EXPECT_EQ(box.message, u"");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.okButton);
    EXPECT_FALSE(box.icon);
    EXPECT_FALSE(box.ownerEnabled) << "the window took input while the box was up";
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
}

// --- Windows's own keys ---

// Escape does what Exit does, wherever the focus is: Exit is IDCANCEL.
TEST_F(Win32WindowTest, EscapeIsExit) {
    for (const Control focus : {Picture1, Text3, Text6, Command1, Picture4}) {
        SCOPED_TRACE(Name(focus));
        Win32WindowTest::TearDown();
        Win32WindowTest::SetUp();
        driver->Type(Text5, u"JN45LL");
        driver->Focus(focus);
        driver->Act([&] { driver->PressKey(VK_ESCAPE); });
        EXPECT_TRUE(driver->Closed());
    }
}

TEST_F(Win32WindowTest, FocusStartsOnTheCompassAndTabFollowsTheTabOrder) {
    const std::vector<Control> order = {Picture1, Text1,    Text3,    Text5,    Text6,   Command1,
                                        Command2, Picture2, Picture3, Picture4, Picture1};
    EXPECT_EQ(GetFocus(), control(Picture1));
    for (std::size_t i = 1; i < order.size(); ++i) {
        driver->Act([&] { driver->PressKey(VK_TAB); });
        EXPECT_EQ(GetFocus(), control(order[i])) << "Tab from " << Name(order[i - 1]);
    }
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        driver->Act([&] { driver->PressKey(VK_TAB, true); });
        EXPECT_EQ(GetFocus(), control(order[i - 1])) << "Shift+Tab from " << Name(order[i]);
    }
}

TEST_F(Win32WindowTest, FocusComesBackWithTheWindow) {
    driver->Focus(Text5);
    HWND other = CreateWindowExW(0, WC_STATICW, L"another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    win32_test::Pump(form->handle());
    EXPECT_NE(GetFocus(), control(Text5));
    SetActiveWindow(form->handle());
    win32_test::Pump(form->handle());
    EXPECT_EQ(GetFocus(), control(Text5));
    DestroyWindow(other);
}

// Typing into a field that shows the placeholder replaces it, whether the focus came by a click
// or by Tab; a click into any other text puts the caret where it lands.
TEST_F(Win32WindowTest, FocusOnThePlaceholderSelectsIt) {
    struct Row {
        Control field, before;
        std::u16string shown;
        bool byTab;
        std::u16string typed, after;
    };
    const Row rows[] = {
        {Text5, Text3, u"...", false, u"io91wm", u"IO91WM"}, {Text5, Text3, u"...", true, u"io91wm", u"IO91WM"},
        {Text6, Text5, u"...", false, u"100", u"100"},       {Text1, Picture1, u"...", true, u"90", u"90"},
        {Text6, Text5, u"....", false, u"1", u"....1"},      {Text6, Text5, u" ...", false, u"1", u" ...1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Name(row.field) + " \"" + behaviour::Utf8(row.shown) + "\" by " + (row.byTab ? "Tab" : "click"));
        form->SetText(row.field, row.shown);
        driver->Focus(row.before);
        driver->Act([&] {
            if (row.byTab) {
                driver->PressKey(VK_TAB);
            } else {
                RECT box;
                GetClientRect(control(row.field), &box);
                driver->MouseClick(row.field, POINT{box.right - 4, box.bottom / 2});  // past the text's end
            }
        });
        ASSERT_EQ(GetFocus(), control(row.field));
        driver->Act([&] { driver->TypeKeys(row.typed); });
        EXPECT_EQ(form->Text(row.field), row.after);
    }
}

// --- Layout ---

TEST_F(Win32WindowTest, At96DpiTheWindowIsLaidOutAsDesigned) {
    ASSERT_EQ(form->dpi(), USER_DEFAULT_SCREEN_DPI);
    ASSERT_EQ(form->scale(), 1) << "the system's font needs a larger window";
    RECT client;
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, 492);
    EXPECT_EQ(client.bottom, 417);
    for (const ui::ControlRow& row : ui::ControlTable()) {
        const RECT r = RectInParent(control(row.id));
        EXPECT_TRUE(SameRect(r, ui::TwipsToPixels(row))) << row.name << " at " << Describe(r);
    }
    // Two by hand: the English flag and the compass, which reaches below the client area.
    EXPECT_EQ(Describe(RectInParent(control(Picture2))), "224,248 43x25");
    EXPECT_EQ(Describe(RectInParent(control(Picture1))), "0,0 185x427");
}

TEST_F(Win32WindowTest, TheWindowIsCentredOnTheWorkAreaInAResizableFrame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    GetWindowRect(form->handle(), &frame);
    EXPECT_NEAR(frame.left - monitor.rcWork.left, monitor.rcWork.right - frame.right, 1);
    EXPECT_NEAR(frame.top - monitor.rcWork.top, monitor.rcWork.bottom - frame.bottom, 1);
    const LONG_PTR style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    for (const LONG_PTR part : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_SYSMENU, WS_CAPTION}) {
        EXPECT_EQ(style & part, part);
    }
    EXPECT_EQ(ui::win32::WindowText(form->handle()), ui::kWindowTitle);
    EXPECT_NE(GetClassLongPtrW(form->handle(), GCLP_HICON), 0) << "the window icon";
    // Maximised, the window shows more background; no control moves.
    const RECT ruler = RectInParent(control(Picture4));
    ShowWindow(form->handle(), SW_MAXIMIZE);
    win32_test::Pump(form->handle());
    EXPECT_EQ(Describe(RectInParent(control(Picture4))), Describe(ruler));
}

// The hidden fields keep and accept texts, are never shown and never take the focus by Tab.
TEST_F(Win32WindowTest, HiddenFieldsAreNeitherShownNorTabStops) {
    for (const Control hidden : {Text2, Text4, Text7, Text8}) {
        SCOPED_TRACE(Name(hidden));
        EXPECT_FALSE(IsWindowVisible(control(hidden)));
        EXPECT_EQ(GetWindowLongPtrW(control(hidden), GWL_STYLE) & WS_TABSTOP, 0);
        EXPECT_EQ(form->Text(hidden), std::u16string(ui::RowOf(hidden).content));
    }
    driver->Type(Text5, u"JN45LL");
    driver->Click(Command1);
    EXPECT_EQ(form->Text(Text7), u"41.8958333333333");
    EXPECT_FALSE(IsWindowVisible(control(Text7)));
}

// Windows's own limit, set explicitly: Wine's default is 30,000.
TEST_F(Win32WindowTest, EveryFieldHoldsAtMost32767Characters) {
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (row.kind != ui::ControlKind::TextBox && row.kind != ui::ControlKind::HiddenTextBox) continue;
        EXPECT_EQ(SendMessageW(control(row.id), EM_GETLIMITTEXT, 0, 0), 32767) << row.name;
    }
    ASSERT_TRUE(win32_test::SetClipboardText(std::u16string(40000, u'a')));
    driver->Act([&] {
        driver->Focus(Text5);
        SendMessageW(control(Text5), EM_SETSEL, 0, -1);
        driver->PressKey('V', false, true);
    });
    EXPECT_EQ(form->Text(Text5), std::u16string(32767, u'A'));
}

// The system's message font made larger for the test's run, and put back afterwards.
class LargerMessageFont {
public:
    explicit LargerMessageFont(LONG height) {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSW larger = saved_;
        larger.lfMessageFont.lfHeight = height;
        set_ = SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0);
    }
    LargerMessageFont(const LargerMessageFont&) = delete;
    LargerMessageFont& operator=(const LargerMessageFont&) = delete;
    ~LargerMessageFont() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
    bool set() const { return set_; }

private:
    NONCLIENTMETRICSW saved_{};
    bool set_ = false;
};

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
    const LargerMessageFont font(-22);  // twice Wine's, about 16 pt at 96 dpi
    ASSERT_TRUE(font.set());
    Win32WindowTest::TearDown();
    Win32WindowTest::SetUp();
    EXPECT_GT(form->scale(), 1.5);
    RECT client;
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, ui::TwipsToPixels(ui::kClientWidthTwips, form->scale()));
    EXPECT_EQ(client.bottom, ui::TwipsToPixels(ui::kClientHeightTwips, form->scale()));
    EXPECT_TRUE(SameRect(RectInParent(control(Picture4)), ui::TwipsToPixels(ui::RowOf(Picture4), form->scale())));
    for (const ui::ControlText& fit : ui::TextsToFit()) {
        SCOPED_TRACE(Name(fit.control) + " \"" + behaviour::Utf8(fit.text) + "\"");
        const SIZE text = TextExtent(control(fit.control), fit.text);
        RECT room;
        GetClientRect(control(fit.control), &room);
        if (ui::RowOf(fit.control).kind == ui::ControlKind::TextBox) {
            const auto margins = static_cast<DWORD>(SendMessageW(control(fit.control), EM_GETMARGINS, 0, 0));
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
    SendMessageW(form->handle(), WM_DPICHANGED, MAKEWPARAM(kDoubleDpi, kDoubleDpi), reinterpret_cast<LPARAM>(&proposed));
    win32_test::Pump(form->handle());
    EXPECT_EQ(form->dpi(), kDoubleDpi);
    RECT frame;
    GetWindowRect(form->handle(), &frame);
    EXPECT_EQ(Describe(frame), Describe(proposed));
    const double devicePixelsPerUnit = form->scale() * 2;
    for (const ui::ControlRow& row : ui::ControlTable()) {
        const RECT r = RectInParent(control(row.id));
        EXPECT_TRUE(SameRect(r, ui::TwipsToPixels(row, devicePixelsPerUnit))) << row.name << " at " << Describe(r);
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, kDoubleDpi));
    for (const Control c : {Label1, Text3, Command1}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(c), WM_GETFONT, 0, 0)), sizeof font, &font);
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
    const LargerMessageFont font(-48);
    ASSERT_TRUE(font.set());
    Win32WindowTest::TearDown();
    Win32WindowTest::SetUp();
    const RECT work = PrimaryWorkArea();
    RECT frame;
    GetWindowRect(form->handle(), &frame);
    ASSERT_GT(frame.bottom - frame.top, work.bottom - work.top) << "the window fits: the test needs a larger font";
    ASSERT_GT(frame.right - frame.left, work.right - work.left) << "the window fits: the test needs a larger font";
    POINT client{0, 0};
    ClientToScreen(form->handle(), &client);
    EXPECT_EQ(frame.top, work.top);
    EXPECT_EQ(frame.left, work.left);
    EXPECT_LE(client.y, work.bottom) << "the title bar reaches below the work area";
}

}  // namespace
