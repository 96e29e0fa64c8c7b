// The Windows program: the one window, and the message loop until it closes.
#include "form2_window.h"
#include "message_loop.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;  // WIC decodes the pictures
    int status = 1;
    {
        ui::win32::Form2Window form(instance);
        if (form.handle()) {
            form.Show(showCommand);
            status = ui::win32::RunMessageLoop(form.handle());
        }
    }
    CoUninitialize();
    return status;
}
