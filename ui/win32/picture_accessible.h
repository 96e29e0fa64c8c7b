// What assistive tools see of a picture box: the system's own accessible object for the control
// (its place, focus and parent), with the picture's name, role and checked state, and a press
// as its default action where the picture does something. Reached through the picture box's own
// answer to WM_GETOBJECT, as the system's documentation has servers do; Direct Annotation would
// be less code, but Wine does not implement it.
#pragma once

#include <windows.h>

namespace ui::win32 {

// The answer to WM_GETOBJECT for OBJID_CLIENT of the picture box window; 0 when the system's own
// object cannot be had.
LRESULT AnswerAccessibleObject(HWND picture, WPARAM wParam);

}  // namespace ui::win32
