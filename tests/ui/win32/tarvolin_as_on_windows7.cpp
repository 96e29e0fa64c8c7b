// tarvolin.exe as it runs on Windows 7 and 8, for the end-to-end test under Wine (where every
// function of later versions exists): the same program, given none of them.
#include "ui/win32/start_up.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return ui::win32::RunProgram(instance, showCommand, ui::win32::AsOnWindows7());
}
