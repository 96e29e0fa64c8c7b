// The control identifiers (GWLP_ID) of the window's controls, which WM_COMMAND carries.
#pragma once

#include "ui/control_table.h"

#include <optional>

namespace ui::win32 {

// Exit (Command2) is IDCANCEL, so that Escape, which IsDialogMessage reports as IDCANCEL, does
// what Exit does. No control is IDOK, which IsDialogMessage reports for Enter while there is no
// default button.
int ControlId(Control control);

// The control of an identifier; none for IDOK and anything else that names no control.
std::optional<Control> ControlOfId(int id);

}  // namespace ui::win32
