// The functions of later Windows versions that the tests give the windows they make: this
// system's, or, with --as-on=windows7 or --as-on=windows8.1 on the test program's command line,
// only those that the older system has, so that the whole suite runs on the window's fallbacks.
#pragma once

#include "ui/win32/system_functions.h"

namespace win32_test {

const ui::win32::SystemFunctions& SystemForTests();

// Takes --as-on=... out of the command line; false for an older system it does not know.
bool ChooseSystemForTests(int& argc, char** argv);

}  // namespace win32_test
