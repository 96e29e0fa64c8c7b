#include "win32_driver.h"

#include "../ui/behaviour_table.h"

#include "ui/text_rules.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/window_text.h"

#include <gtest/gtest.h>

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

}  // namespace

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

void Win32Driver::Act(const std::function<void()>& action) {
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
        [](HWND box, LPARAM) -> BOOL {
            if (HasClass(box, L"#32770") && IsWindowVisible(box)) activeDriver->Inspect(box);
            return TRUE;
        },
        0);
}

void Win32Driver::Inspect(HWND box) {
    if (std::find(dismissed_.begin(), dismissed_.end(), box) != dismissed_.end()) return;
    dismissed_.push_back(box);
    BoxSeen seen;
    seen.caption = ui::win32::WindowText(box);
    seen.message = ui::win32::WindowText(GetDlgItem(box, kMessageTextId));
    seen.ownerEnabled = IsWindowEnabled(window_);
    GetWindowRect(box, &seen.frame);
    GetClientRect(box, &seen.client);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        if (HasClass(child, L"Button")) {
            ++seen.buttons;
            if (GetDlgCtrlID(child) == IDOK) {
                seen.okButton = true;
                GetWindowRect(child, &seen.ok);
                MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&seen.ok), 2);
            }
        }
        // Wine's box keeps its icon static, empty, when there is no icon.
        if (HasClass(child, L"Static") && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0)) {
            seen.icon = true;
        }
    }
    boxes_.push_back(seen);
    messages_.push_back({seen.caption, seen.message, behaviour::TakeSnapshot(*this)});
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void Win32Driver::Focus(ui::Control control) {
    SetFocus(Handle(control));
    Pump(window_);
}

void Win32Driver::SelectAll(ui::Control field) { SendMessageW(Handle(field), EM_SETSEL, 0, -1); }

void Win32Driver::CaretToEnd(ui::Control field) {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(Handle(field)));
    SendMessageW(Handle(field), EM_SETSEL, end, static_cast<LPARAM>(end));
}

void Win32Driver::PostKey(HWND target, UINT message, WORD virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scanCode) << 16);
    if (message == WM_KEYUP) lParam |= (1 << 30) | (static_cast<LPARAM>(1) << 31);
    PostMessageW(target, message, virtualKey, lParam);
}

// Shift and Ctrl held are in the thread's key state, which TranslateMessage and the controls read.
void Win32Driver::PressKey(WORD virtualKey, bool shift, bool control) {
    BYTE keys[256] = {}, held[256] = {};
    GetKeyboardState(keys);
    std::memcpy(held, keys, sizeof keys);
    const auto hold = [&](int key, bool down) { held[key] = down ? 0x80 : 0; };
    for (const int key : {VK_SHIFT, VK_LSHIFT}) hold(key, shift);
    for (const int key : {VK_CONTROL, VK_LCONTROL}) hold(key, control);
    hold(virtualKey, true);
    SetKeyboardState(held);
    const HWND target = GetFocus();
    PostKey(target, WM_KEYDOWN, virtualKey);
    Pump(window_);
    hold(virtualKey, false);
    SetKeyboardState(held);
    if (IsWindow(target)) PostKey(target, WM_KEYUP, virtualKey);
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

void Win32Driver::Type(ui::Control field, std::u16string_view keys) {
    Act([&] {
        Focus(field);
        SelectAll(field);
        PressKey(VK_DELETE);
        TypeKeys(keys);
    });
}

void Win32Driver::Append(ui::Control field, std::u16string_view keys) {
    Act([&] {
        Focus(field);
        CaretToEnd(field);
        TypeKeys(keys);
    });
}

void Win32Driver::Backspace(ui::Control field) {
    Act([&] {
        Focus(field);
        CaretToEnd(field);
        PressKey(VK_BACK);
    });
}

void Win32Driver::Paste(ui::Control field, std::u16string_view text) {
    ASSERT_TRUE(SetClipboardText(text));
    Act([&] {
        Focus(field);
        SelectAll(field);
        PressKey('V', false, true);
    });
}

void Win32Driver::Click(ui::Control control) {
    Act([&] { MouseClick(control); });
}

void Win32Driver::PressEnter(ui::Control control) {
    Act([&] {
        Focus(control);
        PressKey(VK_RETURN);
    });
}

void Win32Driver::Write(ui::Control control, std::u16string_view text) {
    Act([&] { ui::win32::WriteWindowText(Handle(control), text); });
}

std::u16string Win32Driver::Shown(ui::Control control) { return ui::win32::WindowText(Handle(control)); }

}  // namespace win32_test
