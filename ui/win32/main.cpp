// The Windows program: the one window, and the message loop until it closes (start_up.h).
#include "start_up.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return ui::win32::RunProgram(instance, showCommand);
}
