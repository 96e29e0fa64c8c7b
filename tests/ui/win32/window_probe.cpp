// Reads the running program's window from another process, as a test of the real program needs:
//   window_probe texts        every control's text or caption, one "Name<TAB>text" a line
//   window_probe box          the caption and text of the program's message box, if one is up
//   window_probe accessible   what assistive tools read of the controls that take the focus:
//                             "Name<TAB>name<TAB>role<TAB>checked" a line
// The window is found by its title; texts come by WM_GETTEXT across the process boundary, the
// accessible objects by AccessibleObjectFromWindow. Output is UTF-8. Exit status 1 when there is
// no window (or, for box, no box).
#include "ui/control_table.h"
#include "ui/win32/control_ids.h"

#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr UINT kTimeout = 2000;  // ms, for an answer from the program's thread
constexpr int kMessageTextId = 0xFFFF;

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeout, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kTimeout, &copied);
    text.resize(copied);
    return text;
}

void PrintLine(const std::string& line) { std::printf("%s\n", line.c_str()); }

int PrintTexts(HWND window) {
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (row.kind == ui::ControlKind::PictureBox) continue;
        PrintLine(std::string(row.name) + "\t" + Utf8(TextOf(GetDlgItem(window, ui::win32::ControlId(row.id)))));
    }
    return 0;
}

struct BoxSearch {
    DWORD thread;
    HWND box = nullptr;
};

int PrintBox(HWND window) {
    BoxSearch search{GetWindowThreadProcessId(window, nullptr)};
    EnumThreadWindows(
        search.thread,
        [](HWND candidate, LPARAM data) CALLBACK -> BOOL {
            wchar_t type[16] = {};
            GetClassNameW(candidate, type, 16);
            if (std::wstring_view(type) != L"#32770" || !IsWindowVisible(candidate)) return TRUE;
            reinterpret_cast<BoxSearch*>(data)->box = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.box) return 1;
    PrintLine(Utf8(TextOf(search.box)) + "\t" + Utf8(TextOf(GetDlgItem(search.box, kMessageTextId))));
    return 0;
}

int PrintAccessible(HWND window) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (row.kind == ui::ControlKind::Label || !ui::IsShown(row)) continue;
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(GetDlgItem(window, ui::win32::ControlId(row.id)),
                                              static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void**>(&object)))) {
            PrintLine(std::string(row.name) + "\t(none)");
            continue;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        VARIANT role{}, state{};
        object->get_accName(self, &name);
        object->get_accRole(self, &role);
        object->get_accState(self, &state);
        const bool checked = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_CHECKED);
        PrintLine(std::string(row.name) + "\t" + Utf8(name ? std::wstring_view(name, SysStringLen(name)) : L"") + "\t" +
                  std::to_string(role.vt == VT_I4 ? role.lVal : 0) + "\t" + (checked ? "checked" : "-"));
        SysFreeString(name);
        object->Release();
    }
    CoUninitialize();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring title(ui::kWindowTitle.begin(), ui::kWindowTitle.end());
    HWND window = FindWindowW(nullptr, title.c_str());
    if (argc != 2 || !window) return 1;
    const std::wstring_view what = argv[1];
    if (what == L"texts") return PrintTexts(window);
    if (what == L"box") return PrintBox(window);
    if (what == L"accessible") return PrintAccessible(window);
    return 2;
}
