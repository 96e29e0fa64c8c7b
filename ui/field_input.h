// What a field takes of the text the user types, pastes or drops into it. Each front end passes
// the user's input through this before the field takes it.
#pragma once

#include "control_table.h"

#include <string>
#include <string_view>

namespace ui {

// The first line alone, as single-line fields on Windows take a pasted text: a locator copied
// from a log with its line break is the locator alone. In the locator fields the letters "a" to
// "z" arrive in upper case, so that the fields' upper-casing handler finds nothing to write back
// and the field keeps its edit history (undo). Blanks within the line stay.
std::u16string AcceptedInput(Control field, std::u16string_view input);

// Text up to its first line break (carriage return or line feed).
std::u16string_view FirstLine(std::u16string_view text);

// Whether a click that brings the focus into a field selects the field's whole text: while it
// shows the placeholder "...", so that what the user types replaces it instead of landing after
// it. (Tab selects a field's text on every desktop already.)
bool SelectsTextOnClick(std::u16string_view text);

}  // namespace ui
