// The window's behaviour as one table: rows of user actions, each followed by what the window
// must show. Written in the window's terms, not a toolkit's, so that the same rows run on the
// in-memory window and on every front end's real controls.
#pragma once

#include "window_driver.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace behaviour {

struct Step {
    enum class Kind {
        // Actions.
        Type, Append, Backspace, Paste, Click, DoubleClick, Focus, Press, Keys, Write,
        // Checks.
        Shows,            // the control shows text
        NothingChanged,   // every text and caption is as before the last action
        MessageBox,       // the last action showed one box, captioned text, with an empty message,
                          // while the window still showed what it did before that action
        Closed,           // the window has closed
        HasFocus,         // the control has the focus
        DefaultButton,    // Enter in a locator field presses the control
        NoDefaultButton,  // Enter in a locator field presses nothing
        Notified,         // the last action ran the field's change handler count times
    };
    Kind kind;
    ui::Control control = ui::Control::Text1;
    std::u16string text;
    Key key = Key::Enter;     // the key pressed
    int count = 0;            // the notifications expected
    bool focusFirst = false;  // the key is pressed on control, focused first
};

struct Row {
    std::string name;
    std::vector<Step> steps;
};

// Every row, each for a freshly opened window.
const std::vector<Row>& Rows();

// Runs the row's steps on a freshly opened window through driver, reporting each failed check.
// An action that brings up a message box where the row expects none fails too. A row with a step
// the window cannot take is skipped.
void Run(const Row& row, WindowDriver& driver);

// Every text and caption the driver reads back.
Snapshot TakeSnapshot(WindowDriver& driver);

// For readable failure messages.
std::string Utf8(std::u16string_view text);
inline void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
std::string RowName(const Row& row);

}  // namespace behaviour
