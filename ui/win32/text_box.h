// The window's text fields: standard EDIT controls, subclassed so that
//   - what the user types or pastes passes through the field's input rule (ui/field_input.h)
//     before the field takes it: typed letters arrive upper-cased in the locator fields, and a
//     paste (Ctrl+V, Shift+Insert and the context menu all send WM_PASTE) inserts the clipboard's
//     first line as one edit that Ctrl+Z undoes; a line break never reaches the field;
//   - a click that brings the focus into a field showing the placeholder "..." selects it, so
//     that typing replaces it (Tab selects a field's text already);
//   - Enter presses the window's default button from the locator fields only: elsewhere it does
//     nothing.
#pragma once

#include "ui/control_table.h"

#include <windows.h>

#include <string_view>

namespace ui::win32 {

void MakeTextBox(HWND edit, Control field);

// Replaces the field's whole text as an edit of its own, so that Ctrl+Z brings the old text back
// (SetWindowTextW would empty the undo buffer). EN_CHANGE is sent before it returns.
void ReplaceText(HWND edit, std::u16string_view text);

}  // namespace ui::win32
