// What assistive tools read of the window, through the system's own client side
// (AccessibleObjectFromWindow): fields named by their labels, buttons by their captions, the
// pictures by the picture box's own accessible object, all in the caption language.
#include "window_fixture.h"

#include "../ui/behaviour_table.h"

#include "ui/control_table.h"
#include "ui/win32/control_ids.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using enum ui::Control;
using ui::Control;

struct Read {
    std::u16string name;
    long role = 0;
    long state = 0;
};

class Accessible {
public:
    explicit Accessible(HWND control) {
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object_));
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;
    ~Accessible() {
        if (object_) object_->Release();
    }
    IAccessible* get() const { return object_; }
    Read read() const {
        Read r;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        if (SUCCEEDED(object_->get_accName(self, &name)) && name) {
            r.name.assign(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
            SysFreeString(name);
        }
        VARIANT value{};
        if (SUCCEEDED(object_->get_accRole(self, &value)) && value.vt == VT_I4) r.role = value.lVal;
        VariantInit(&value);
        if (SUCCEEDED(object_->get_accState(self, &value)) && value.vt == VT_I4) r.state = value.lVal;
        return r;
    }

private:
    IAccessible* object_ = nullptr;
};

// Wine's own accessible object for a push button says "client" where Windows's says "push button".
long SystemPushButtonRole() {
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON;
}

struct Expected {
    Control control;
    long role;
    std::u16string italian, english;
    bool checkedInItalian = false, checkedInEnglish = false;
};

TEST_F(Win32WindowTest, AssistiveToolsReadNamesRolesAndStatesInTheCaptionLanguage) {
    const Expected rows[] = {
        {Picture1, ROLE_SYSTEM_GRAPHIC, u"Bussola", u"Compass"},
        {Picture2, ROLE_SYSTEM_RADIOBUTTON, u"English", u"English", false, true},
        {Picture3, ROLE_SYSTEM_RADIOBUTTON, u"Italiano", u"Italiano", true, false},
        {Picture4, ROLE_SYSTEM_PUSHBUTTON, u"Km/miglia", u"Km/miles"},
        {Text3, ROLE_SYSTEM_TEXT, u"Locatore 1", u"Locator 1"},
        {Text5, ROLE_SYSTEM_TEXT, u"Locatore 2", u"Locator 2"},
        {Text6, ROLE_SYSTEM_TEXT, u"Km", u"Km"},
        {Text1, ROLE_SYSTEM_TEXT, u"Puntamento", u"Bearing"},
        {Command1, SystemPushButtonRole(), u"Calcola", u"Calculate"},
        {Command2, SystemPushButtonRole(), u"Esci", u"Exit"},
    };
    for (const bool english : {false, true, false}) {
        driver->Click(english ? Picture2 : Picture3);
        for (const Expected& row : rows) {
            SCOPED_TRACE(std::string(ui::RowOf(row.control).name) + (english ? " in English" : " in Italian"));
            const Accessible object(control(row.control));
            ASSERT_NE(object.get(), nullptr);
            const Read read = object.read();
            EXPECT_EQ(behaviour::Utf8(read.name), behaviour::Utf8(english ? row.english : row.italian));
            EXPECT_EQ(read.role, row.role);
            EXPECT_EQ((read.state & STATE_SYSTEM_CHECKED) != 0, english ? row.checkedInEnglish : row.checkedInItalian);
            if (ui::RowOf(row.control).kind == ui::ControlKind::PictureBox) {
                EXPECT_NE(read.state & STATE_SYSTEM_FOCUSABLE, 0) << "the system's own state, passed on";
            }
        }
    }
}

// The pictures that do something have a default action that clicks them; the compass has none.
TEST_F(Win32WindowTest, AssistiveToolsPressThePictures) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const Accessible ruler(control(Picture4)), english(control(Picture2)), compass(control(Picture1));
    ASSERT_TRUE(ruler.get() && english.get() && compass.get());
    EXPECT_EQ(ruler.get()->accDoDefaultAction(self), S_OK);
    EXPECT_EQ(english.get()->accDoDefaultAction(self), S_OK);
    EXPECT_TRUE(FAILED(compass.get()->accDoDefaultAction(self)));
    win32_test::Pump(form->handle());
    EXPECT_EQ(form->Caption(Label3), u"Miles") << "the ruler toggled, then the English flag translated";
    EXPECT_EQ(form->Caption(Command1), u"Calculate");
    const Read flag = english.read();
    EXPECT_NE(flag.state & STATE_SYSTEM_CHECKED, 0);
}

}  // namespace

// The events assistive tools wait for, raised in this process, as (event, control) pairs.
class WinEventLog {
public:
    explicit WinEventLog(HWND window) : window_(window) {
        active_ = this;
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Record,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    WinEventLog(const WinEventLog&) = delete;
    WinEventLog& operator=(const WinEventLog&) = delete;
    ~WinEventLog() {
        if (hook_) UnhookWinEvent(hook_);
        active_ = nullptr;
    }
    bool hooked() const { return hook_ != nullptr; }
    // The events since the last call, as "Picture2 state" or "Picture1 name".
    std::vector<std::string> Take() {
        win32_test::Pump(window_);
        return std::exchange(events_, {});
    }

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        if (!active_ || object != OBJID_CLIENT || child != CHILDID_SELF || GetParent(hwnd) != active_->window_) return;
        const auto id = ui::win32::ControlOfId(GetDlgCtrlID(hwnd));
        if (!id) return;
        active_->events_.push_back(std::string(ui::RowOf(*id).name) +
                                   (event == EVENT_OBJECT_STATECHANGE ? " state" : " name"));
    }
    static inline WinEventLog* active_ = nullptr;
    HWND window_;
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<std::string> events_;
};

// A flag's checked state and a picture's name that change with the language are told to
// assistive tools as they change, and only then.
TEST_F(Win32WindowTest, AssistiveToolsHearTheChosenFlagAndTheNewNames) {
    WinEventLog log(form->handle());
    ASSERT_TRUE(log.hooked());
    struct Row {
        Control flag;
        std::vector<std::string> events;  // in any order
    };
    const Row rows[] = {
        {Picture2, {"Picture1 name", "Picture2 state", "Picture3 state", "Picture4 name"}},
        {Picture2, {}},  // English already: nothing changes
        {Picture3, {"Picture1 name", "Picture2 state", "Picture3 state", "Picture4 name"}},
        {Picture3, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ui::RowOf(row.flag).name);
        driver->Click(row.flag);
        std::vector<std::string> heard = log.Take();
        std::sort(heard.begin(), heard.end());
        EXPECT_EQ(heard, row.events);
    }
}
