#include "message_box.h"

#include "window_text.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

namespace ui::win32 {
namespace {

constexpr int kTitleBarButtons = 5;
constexpr std::wstring_view kBoxClass = L"#32770";  // the system's message box, a dialog
constexpr std::wstring_view kButtonClass = L"Button";

// The box about to be made, which is widened once its dialog procedure has laid it out (on
// WM_INITDIALOG) and before it shows: the hook sees it made, and subclasses it for that message.
struct Widening {
    HWND owner;
    int titleBarWidth;
};
thread_local const Widening* pending = nullptr;
thread_local HHOOK hook = nullptr;

int TextWidth(std::u16string_view text, const LOGFONTW& font) {
    HFONT created = CreateFontIndirectW(&font);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, created);
    SIZE extent{};
    GetTextExtentPoint32W(screen, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(created);
    return extent.cx;
}

bool HasClass(HWND window, std::wstring_view name) {
    wchar_t type[16] = {};
    GetClassNameW(window, type, static_cast<int>(std::size(type)));
    return type == name;
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

RECT InParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The row of buttons in the middle of the box, as the system puts it in a box of its own width;
// the message stays at the left.
void CentreButtons(HWND box) {
    RECT row{LONG_MAX, 0, LONG_MIN, 0};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!HasClass(child, kButtonClass)) continue;
        const RECT r = InParent(child);
        row.left = std::min(row.left, r.left);
        row.right = std::max(row.right, r.right);
    }
    if (row.left > row.right) return;
    RECT client;
    GetClientRect(box, &client);
    const LONG distance = (client.right - row.right - row.left) / 2;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!HasClass(child, kButtonClass)) continue;
        const RECT r = InParent(child);
        SetWindowPos(child, nullptr, r.left + distance, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Widen(HWND box, int titleBarWidth) {
    RECT frame, client;
    GetWindowRect(box, &frame);
    GetClientRect(box, &client);
    const LONG width = frame.right - frame.left;
    const LONG borders = width - client.right;
    const RECT work = WorkAreaOf(box);
    const LONG wanted = std::min(titleBarWidth + borders, work.right - work.left);
    if (wanted <= width) return;
    const LONG left = std::clamp(frame.left - (wanted - width) / 2, work.left, work.right - wanted);
    SetWindowPos(box, nullptr, left, frame.top, wanted, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    CentreButtons(box);
}

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK AfterLayOut(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message != WM_INITDIALOG) return DefSubclassProc(box, message, wParam, lParam);
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    Widen(box, static_cast<int>(data));
    RemoveWindowSubclass(box, AfterLayOut, kSubclassId);
    return result;
}

LRESULT CALLBACK WhenMade(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && pending) {
        const auto box = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* made = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (made->hwndParent == pending->owner && HasClass(box, kBoxClass)) {
            SetWindowSubclass(box, AfterLayOut, kSubclassId, static_cast<DWORD_PTR>(pending->titleBarWidth));
            pending = nullptr;
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int TitleBarWidthFor(std::u16string_view title, const NONCLIENTMETRICSW& metrics) {
    return TextWidth(title, metrics.lfCaptionFont) + (kTitleBarButtons + 1) * metrics.iCaptionWidth;
}

void ShowMessageBox(HWND owner, std::u16string_view message, std::u16string_view title,
                    const std::optional<NONCLIENTMETRICSW>& metrics) {
    const Widening widening{owner, metrics ? TitleBarWidthFor(title, *metrics) : 0};
    pending = &widening;
    hook = SetWindowsHookExW(WH_CBT, WhenMade, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, Wide(std::u16string(message)), Wide(std::u16string(title)), MB_OK);
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
    pending = nullptr;
}

}  // namespace ui::win32
