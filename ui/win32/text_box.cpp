#include "text_box.h"

#include "window_messages.h"
#include "window_text.h"

#include "ui/field_input.h"

#include <commctrl.h>

#include <optional>
#include <string>

namespace ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

struct TextBox {
    Control field;
    bool clickBringsFocus = false;
};

// A character that types text, as opposed to Backspace (8), Ctrl+A (1) and the like.
bool TypesText(wchar_t c) { return c >= 0x20 && c != 0x7F; }

bool IsLineBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

bool IsEnterKeyDown(LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

bool HasSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

// The clipboard's text, if it holds any.
std::optional<std::u16string> ClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
            const std::u16string_view held(units, GlobalSize(data) / sizeof(char16_t));
            text = std::u16string(held.substr(0, held.find(u'\0')));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The rule's text replaces the selection as one edit, with undo.
void PasteThroughRule(HWND edit, Control field) {
    const std::optional<std::u16string> text = ClipboardText(edit);
    if (!text) return;
    const std::u16string accepted = AcceptedInput(field, *text);
    if (accepted.empty() && !HasSelection(edit)) return;
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(accepted.c_str()));
}

LRESULT CALLBACK TextBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* box = reinterpret_cast<TextBox*>(data);
    switch (message) {
    case WM_CHAR: {
        const auto typed = static_cast<wchar_t>(wParam);
        if (IsLineBreak(typed)) return 0;
        if (TypesText(typed)) {
            const std::u16string accepted = AcceptedInput(box->field, std::u16string(1, static_cast<char16_t>(typed)));
            if (accepted.size() == 1) wParam = accepted.front();
        }
        break;
    }
    // The EDIT would hand Enter to the default button itself, as it does in a dialog.
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && !IsLocatorField(box->field)) return 0;
        break;
    case WM_PASTE:
        PasteThroughRule(edit, box->field);
        return 0;
    case WM_GETDLGCODE: {
        const LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
        return !IsLocatorField(box->field) && IsEnterKeyDown(lParam) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_SETFOCUS:
        ReportFocus(edit);
        break;
    // The edit puts the caret where the press lands, so the selection waits for the release.
    case WM_LBUTTONDOWN:
        box->clickBringsFocus = GetFocus() != edit;
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        // A drag that selected part of the placeholder keeps that selection.
        if (box->clickBringsFocus && !HasSelection(edit) && SelectsTextOnClick(WindowText(edit))) {
            SendMessageW(edit, EM_SETSEL, 0, -1);
        }
        box->clickBringsFocus = false;
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, TextBoxProcedure, kSubclassId);
        delete box;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void ReplaceText(HWND edit, std::u16string_view text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::u16string(text).c_str()));
}

void MakeTextBox(HWND edit, Control field) {
    SetWindowSubclass(edit, TextBoxProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(new TextBox{field}));
}

}  // namespace ui::win32
