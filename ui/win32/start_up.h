// The program's run from start to end: COM (WIC decodes the pictures), the window, and the message
// loop until the window closes. A Windows program has no console, so a start that fails says why
// in a message box before the program ends.
#pragma once

#include "system_functions.h"

#include <windows.h>

#include <string>

namespace ui::win32 {

// Runs the program and returns its exit status: the message loop's, or 1 when it could not start.
int RunProgram(HINSTANCE instance, int showCommand, const SystemFunctions& system = SystemFunctions::OfThisSystem());

// What the box says when the program cannot start: the step that failed, and the system's own
// words for the error (none for error 0).
enum class StartStep { Com, WindowClass, Window };
std::u16string StartFailureText(StartStep step, HRESULT error);

// The title of that box.
constexpr std::u16string_view kStartFailureTitle = u"Tarvolin utility";

}  // namespace ui::win32
