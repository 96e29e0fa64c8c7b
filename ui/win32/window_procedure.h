// The one window procedure of the program's own window classes (the window and its picture
// boxes), as in Raymond Chen's scratch program: each window hands its messages to the C++ object
// that stands for it. The object comes with CreateWindowExW's creation parameter at WM_NCCREATE,
// the window's first message, and is let go at WM_NCDESTROY, its last.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Type, which befriends this procedure, has
//   static Type* Attach(HWND window, void* creationParameter)  the object for the new window
//   LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam)  each message from then on
//   void Detach()                                               after the last one
template <typename Type>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        void* parameter = reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Type::Attach(window, parameter)));
    }
    auto* object = reinterpret_cast<Type*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!object) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        object->Detach();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return object->Handle(message, wParam, lParam);
}

// What sets one of the program's window classes apart.
struct WindowClass {
    HINSTANCE instance = nullptr;
    const wchar_t* name = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;
    HICON icon = nullptr, smallIcon = nullptr;
};

// Registers Type's window class once per process, with that procedure and the arrow cursor; false
// if that fails.
template <typename Type>
bool RegisterWindowClass(const WindowClass& c) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const WNDCLASSEXW type{sizeof type, c.style,      WindowProcedure<Type>, 0, 0, c.instance, c.icon, arrow,
                           c.background, nullptr, c.name, c.smallIcon};
    return RegisterClassExW(&type) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace ui::win32
