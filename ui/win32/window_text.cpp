#include "window_text.h"

#include <algorithm>

namespace ui::win32 {

std::u16string WindowText(HWND window) {
    std::u16string text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(window), 0)), u'\0');
    if (text.empty()) return text;
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void WriteWindowText(HWND window, std::u16string_view text) { SetWindowTextW(window, Wide(std::u16string(text))); }

}  // namespace ui::win32
