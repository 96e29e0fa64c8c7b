#include "win32_driver.h"

#include "../behaviour_table.h"

#include "ui/text_rules.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/window_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstring>

namespace win32_test {
namespace {

constexpr UINT kBoxLookInterval = 10;  // ms
constexpr int kMessageTextId = 0xFFFF;  // the message box's text, a static with this id

// The driver whose action is running, for the timer that looks for message boxes.
Win32Driver* activeDriver = nullptr;

bool HasClass(HWND window, std::wstring_view name) {
    wchar_t found[64] = {};
    return GetClassNameW(window, found, static_cast<int>(std::size(found))) && std::wstring_view(found) == name;
}

POINT Centre(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The control's accessible object, released with it.
class AccessibleObject {
public:
    explicit AccessibleObject(HWND control) {
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object_));
    }
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;
    ~AccessibleObject() {
        if (object_) object_->Release();
    }
    IAccessible* get() const { return object_; }

private:
    IAccessible* object_ = nullptr;
};

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace

AccessibleRead ReadAccessible(HWND control) {
    AccessibleRead read;
    const AccessibleObject object(control);
    if (!object.get()) return read;
    const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), std::u16string& into) {
        BSTR value = nullptr;
        if ((object.get()->*get)(Self(), &value) == S_OK && value) into.assign(reinterpret_cast<const char16_t*>(value), SysStringLen(value));
        SysFreeString(value);
    };
    text(&IAccessible::get_accName, read.name);
    text(&IAccessible::get_accDefaultAction, read.defaultAction);
    VARIANT value{};
    if (SUCCEEDED(object.get()->get_accRole(Self(), &value)) && value.vt == VT_I4) read.role = value.lVal;
    VariantInit(&value);
    if (SUCCEEDED(object.get()->get_accState(Self(), &value)) && value.vt == VT_I4) read.state = value.lVal;
    return read;
}

RECT RectInParent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

void Pump(HWND window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        ui::win32::DeliverMessage(IsWindow(window) ? window : nullptr, message);
    }
}

bool SetClipboardText(std::u16string_view text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (void* units = memory ? GlobalLock(memory) : nullptr) {
        std::memcpy(units, std::u16string(text).c_str(), bytes);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!placed && memory) GlobalFree(memory);
    CloseClipboard();
    return placed;
}

NotificationWatch::NotificationWatch(HWND window, HWND control, WORD code)
    : window_(window), control_(control), code_(code) {
    SetWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

NotificationWatch::~NotificationWatch() {
    if (IsWindow(window_)) RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK NotificationWatch::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
    auto* watch = reinterpret_cast<NotificationWatch*>(data);
    if (message != WM_COMMAND || HIWORD(wParam) != watch->code_ || reinterpret_cast<HWND>(lParam) != watch->control_)
        return DefSubclassProc(window, message, wParam, lParam);
    ++watch->count;
    watch->deepest = std::max(watch->deepest, ++watch->depth_);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    --watch->depth_;
    return result;
}

Win32Driver::Win32Driver(ui::win32::Form2Window& form) : form_(form) {
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (row.event == ui::Event::Change) {
            changes_[row.id] = std::make_unique<NotificationWatch>(window_, Handle(row.id), EN_CHANGE);
        }
    }
    hearing_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Hear, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
    EXPECT_NE(hearing_, nullptr) << "no WinEvent hook";
}

Win32Driver::~Win32Driver() {
    if (hearing_) UnhookWinEvent(hearing_);
}

void CALLBACK Win32Driver::Hear(HWINEVENTHOOK, DWORD event, HWND control, LONG object, LONG child, DWORD, DWORD) {
    if (!activeDriver || object != OBJID_CLIENT || child != CHILDID_SELF || GetParent(control) != activeDriver->window_) return;
    if (const std::optional<ui::Control> id = ui::win32::ControlOfId(GetDlgCtrlID(control));
        id && ui::RowOf(*id).kind == ui::ControlKind::PictureBox) {
        activeDriver->announced_.push_back(std::string(ui::RowOf(*id).name) +
                                           (event == EVENT_OBJECT_STATECHANGE ? " state" : " name"));
    }
}

// An action within an action is part of it.
void Win32Driver::Act(const std::function<void()>& action) {
    if (activeDriver == this) {
        action();
        return;
    }
    for (const auto& [field, watch] : changes_) changesBeforeAction_[field] = watch->count;
    announced_.clear();
    activeDriver = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, kBoxLookInterval, LookForBox);
    action();
    Pump(window_);
    KillTimer(nullptr, timer);
    activeDriver = nullptr;
}

void CALLBACK Win32Driver::LookForBox(HWND, UINT, UINT_PTR, DWORD) {
    if (!activeDriver) return;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND box, LPARAM) CALLBACK -> BOOL {
            if (IsMessageBox(box)) activeDriver->Inspect(box);
            return TRUE;
        },
        0);
}

bool IsMessageBox(HWND window) { return HasClass(window, L"#32770") && IsWindowVisible(window); }

behaviour::SeenMessage ReadMessageBox(HWND box, BoxPlace* place) {
    behaviour::SeenMessage seen{ui::win32::WindowText(box), ui::win32::WindowText(GetDlgItem(box, kMessageTextId)), {},
                                0, false, false, false};
    if (place) GetClientRect(box, &place->client);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        if (HasClass(child, L"Button")) {
            ++seen.buttons;
            if (GetDlgCtrlID(child) == IDOK) {
                seen.okButton = true;
                if (place) place->ok = RectInParent(child);
            }
        }
        // Wine's box keeps its icon static, empty, when there is no icon.
        if (HasClass(child, L"Static") && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0)) {
            seen.icon = true;
        }
    }
    return seen;
}

void Win32Driver::Inspect(HWND box) {
    if (std::find(dismissed_.begin(), dismissed_.end(), box) != dismissed_.end()) return;
    dismissed_.push_back(box);
    BoxPlace place;
    behaviour::SeenMessage seen = ReadMessageBox(box, &place);
    seen.window = behaviour::TakeSnapshot(*this);
    seen.windowTookInput = IsWindowEnabled(window_) != FALSE;
    messages_.push_back(seen);
    boxPlaces_.push_back(place);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void Win32Driver::FocusNow(ui::Control control) {
    SetFocus(Handle(control));
    Pump(window_);
}

void Win32Driver::PostKey(HWND target, UINT message, WORD virtualKey, bool extended) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scanCode) << 16) | (extended ? LPARAM{1} << 24 : 0);
    if (message == WM_KEYUP) lParam |= (1 << 30) | (static_cast<LPARAM>(1) << 31);
    PostMessageW(target, message, virtualKey, lParam);
}

// Shift and Ctrl held are in the thread's key state, which TranslateMessage and the controls read.
void Win32Driver::PressKey(WORD virtualKey, bool shift, bool control, bool extended) {
    BYTE keys[256] = {}, held[256] = {};
    GetKeyboardState(keys);
    std::memcpy(held, keys, sizeof keys);
    const auto hold = [&](int key, bool down) { held[key] = down ? 0x80 : 0; };
    for (const int key : {VK_SHIFT, VK_LSHIFT}) hold(key, shift);
    for (const int key : {VK_CONTROL, VK_LCONTROL}) hold(key, control);
    hold(virtualKey, true);
    SetKeyboardState(held);
    const HWND target = GetFocus();
    PostKey(target, WM_KEYDOWN, virtualKey, extended);
    Pump(window_);
    hold(virtualKey, false);
    SetKeyboardState(held);
    if (IsWindow(target)) PostKey(target, WM_KEYUP, virtualKey, extended);
    Pump(window_);
    SetKeyboardState(keys);
}

// A key for each ASCII character of the keyboard; anything else as the characters an input
// method delivers.
void Win32Driver::TypeKeys(std::u16string_view keys) {
    for (const char16_t unit : keys) {
        const SHORT key = unit < 0x80 ? VkKeyScanW(static_cast<wchar_t>(unit)) : -1;
        if (key != -1) {
            PressKey(LOBYTE(key), HIBYTE(key) & 1, HIBYTE(key) & 2);
        } else {
            PostMessageW(GetFocus(), WM_CHAR, unit, 1);
            Pump(window_);
        }
    }
}

void Win32Driver::MouseClick(ui::Control control, std::optional<POINT> at, bool twice) {
    const HWND target = Handle(control);
    const POINT point = at.value_or(Centre(target));
    const LPARAM where = MAKELPARAM(point.x, point.y);
    for (UINT press : twice ? std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK} : std::vector<UINT>{WM_LBUTTONDOWN}) {
        // The class decides whether the second press of a double-click is a WM_LBUTTONDBLCLK.
        if (press == WM_LBUTTONDBLCLK && !(GetClassLongPtrW(target, GCL_STYLE) & CS_DBLCLKS)) press = WM_LBUTTONDOWN;
        PostMessageW(target, press, MK_LBUTTON, where);
        Pump(window_);
        if (IsWindow(target)) PostMessageW(target, WM_LBUTTONUP, 0, where);
        Pump(window_);
    }
}

void Win32Driver::Copy(std::u16string_view text) { ASSERT_TRUE(SetClipboardText(text)); }

void Win32Driver::Click(ui::Control control) {
    Act([&] { MouseClick(control); });
}

void Win32Driver::DoubleClick(ui::Control control) {
    Act([&] { MouseClick(control, std::nullopt, true); });
}

// Pressed near the control's top-left corner, moved off it and released there.
void Win32Driver::ReleaseOutside(ui::Control control) {
    Act([&] {
        const LPARAM outside = MAKELPARAM(-20, 5);
        PostMessageW(Handle(control), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        Pump(window_);
        PostMessageW(Handle(control), WM_MOUSEMOVE, MK_LBUTTON, outside);
        PostMessageW(Handle(control), WM_LBUTTONUP, 0, outside);
        Pump(window_);
    });
}

void Win32Driver::Focus(ui::Control control) {
    Act([&] { FocusNow(control); });
}

void Win32Driver::Press(behaviour::Key key) {
    Act([&] {
        switch (key) {
        case behaviour::Key::Tab: PressKey(VK_TAB); break;
        case behaviour::Key::ShiftTab: PressKey(VK_TAB, true); break;
        case behaviour::Key::Home: PressKey(VK_HOME); break;
        case behaviour::Key::End: PressKey(VK_END); break;
        case behaviour::Key::ShiftHome: PressKey(VK_HOME, true); break;
        case behaviour::Key::Delete: PressKey(VK_DELETE); break;
        case behaviour::Key::Backspace: PressKey(VK_BACK); break;
        case behaviour::Key::Paste: PressKey('V', false, true); break;
        case behaviour::Key::Undo: PressKey('Z', false, true); break;
        case behaviour::Key::Space: PressKey(VK_SPACE); break;
        case behaviour::Key::Enter: PressKey(VK_RETURN); break;
        case behaviour::Key::KeypadEnter: PressKey(VK_RETURN, false, false, true); break;
        }
    });
}

void Win32Driver::Keys(std::u16string_view keys) {
    Act([&] { TypeKeys(keys); });
}

// At 96 dpi and the window's scale, which is 1 where the system's font fits the layout.
ui::PixelRect Win32Driver::Place(ui::Control control) {
    EXPECT_EQ(form_.Dpi(), USER_DEFAULT_SCREEN_DPI);
    EXPECT_EQ(form_.Scale(), 1) << "the system's font needs a larger window";
    const RECT r = RectInParent(Handle(control));
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

ui::PixelRect Win32Driver::ClientArea() {
    RECT r;
    GetClientRect(window_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

std::u16string Win32Driver::AccessibleName(ui::Control control) { return ReadAccessible(Handle(control)).name; }

std::optional<behaviour::Role> Win32Driver::AccessibleRole(ui::Control control) {
    switch (ReadAccessible(Handle(control)).role) {
    case ROLE_SYSTEM_GRAPHIC: return behaviour::Role::Image;
    case ROLE_SYSTEM_PUSHBUTTON: return behaviour::Role::Button;
    case ROLE_SYSTEM_RADIOBUTTON: return behaviour::Role::Choice;
    case ROLE_SYSTEM_TEXT: return behaviour::Role::Text;
    default: return std::nullopt;
    }
}

bool Win32Driver::AccessiblyChecked(ui::Control control) {
    return (ReadAccessible(Handle(control)).state & STATE_SYSTEM_CHECKED) != 0;
}

bool Win32Driver::AccessiblyPressable(ui::Control control) { return !ReadAccessible(Handle(control)).defaultAction.empty(); }

void Win32Driver::PressAccessibly(ui::Control control) {
    Act([&] {
        const AccessibleObject object(Handle(control));
        if (object.get()) object.get()->accDoDefaultAction(Self());
    });
}

std::vector<std::string> Win32Driver::Announced() { return announced_; }

ui::Control Win32Driver::Focused() {
    const HWND focus = GetFocus();
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (focus && Handle(row.id) == focus) return row.id;
    }
    ADD_FAILURE() << "the focus is on no control of the window";
    return ui::Control::Label1;
}

// What the dialog manager presses for Enter in a field.
std::optional<ui::Control> Win32Driver::DefaultButton() {
    const LRESULT answer = SendMessageW(window_, DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? ui::win32::ControlOfId(LOWORD(answer)) : std::nullopt;
}

int Win32Driver::ChangesNotified(ui::Control field) {
    const auto watch = changes_.find(field);
    return watch == changes_.end() ? 0 : watch->second->count - changesBeforeAction_[field];
}

int Win32Driver::DeepestNesting() const {
    int deepest = 0;
    for (const auto& [field, watch] : changes_) deepest = std::max(deepest, watch->deepest);
    return deepest;
}

}  // namespace win32_test
