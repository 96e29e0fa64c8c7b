// Texts of windows and controls as the window contract holds them (UTF-16, which is what
// wchar_t is on Windows).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

std::u16string WindowText(HWND window);

// Sets the text by WM_SETTEXT (SetWindowTextW), whose notifications run before it returns.
void WriteWindowText(HWND window, std::u16string_view text);

inline const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace ui::win32
