// The program's message loop: every message passes through the dialog manager first
// (IsDialogMessage), which gives the window Tab, Shift+Tab, Escape and Enter as dialogs have them.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Hands one message to the window's dialog keys, or else translates and dispatches it.
void DeliverMessage(HWND window, MSG& message);

// Delivers messages until WM_QUIT; returns its exit code.
int RunMessageLoop(HWND window);

}  // namespace ui::win32
