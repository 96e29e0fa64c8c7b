#include "command_button.h"

#include "window_messages.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK CommandButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETFOCUS) ReportFocus(button);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, CommandButtonProcedure, kSubclassId);
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void MakeCommandButton(HWND button) { SetWindowSubclass(button, CommandButtonProcedure, kSubclassId, 0); }

}  // namespace ui::win32
