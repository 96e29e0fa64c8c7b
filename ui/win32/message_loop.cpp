#include "message_loop.h"

namespace ui::win32 {

void DeliverMessage(HWND window, MSG& message) {
    if (window && IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(HWND window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DeliverMessage(window, message);
    return static_cast<int>(message.wParam);
}

}  // namespace ui::win32
