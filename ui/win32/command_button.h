// The window's push buttons: standard BUTTON controls that tell the window when they take the
// focus, so that a focused button wears the default-button look and Enter presses it.
#pragma once

#include <windows.h>

namespace ui::win32 {

void MakeCommandButton(HWND button);

}  // namespace ui::win32
