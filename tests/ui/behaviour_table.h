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
        Type, Append, Backspace, Paste, Click, DoubleClick, ReleaseOutside, Focus, Press, Keys, Write, PressAccessibly,
        // Checks.
        Shows,            // the control shows text
        NothingChanged,   // every text and caption is as before the last action
        MessageBox,       // the last action showed one modal box, captioned text, with an empty
                          // message, one OK button and no icon, while the window still showed what
                          // it did before that action
        Closed,           // the window has closed
        HasFocus,         // the control has the focus
        DefaultButton,    // Enter in a locator field presses the control
        NoDefaultButton,  // Enter in a locator field presses nothing
        Notified,         // the last action ran the field's change handler count times
        Placed,           // the control lies at place
        ClientArea,       // the client area is place
        Named,            // assistive tools read text as the control's name
        Checked,          // assistive tools are told the control is checked
        NotChecked,       // or that it is not
        HasRole,          // assistive tools are told the control is a role
        Pressable,        // assistive tools are offered a press of the control when count is 1
        Announced,        // during the last action assistive tools were told of events, no more
    };
    Kind kind;
    ui::Control control = ui::Control::Text1;
    std::u16string text;
    Key key = Key::Enter;     // the key pressed
    int count = 0;            // the notifications expected
    bool focusFirst = false;  // the key is pressed on control, focused first
    ui::PixelRect place{};    // where the control lies
    Role role = Role::Text;   // what the control is to assistive tools
    std::vector<std::string> events = {};  // what they were told
};

struct Row {
    std::string name;
    std::vector<Step> steps;
};

// Every row, each for a freshly opened window.
const std::vector<Row>& Rows();

// The user's actions, as steps. Type focuses a field, selects its whole text and deletes it, then
// types; Append types after the field's last character; Backspace deletes that character; Paste
// selects the whole text and pastes over it; Press(control, key) focuses the control first.
Step Type(ui::Control field, std::u16string_view keys);
Step Append(ui::Control field, std::u16string_view keys);
Step Backspace(ui::Control field);
Step Paste(ui::Control field, std::u16string_view text);
Step Click(ui::Control control);
Step DoubleClick(ui::Control control);
Step ReleaseOutside(ui::Control control);
Step Focus(ui::Control control);
Step Press(Key key);
Step Press(ui::Control control, Key key);
Step Enter(ui::Control control);
Step Keys(std::u16string_view keys);
Step Write(ui::Control control, std::u16string_view text);

// Takes one action step on the window, as its user would.
void Take(const Step& step, WindowDriver& driver);

// Runs the row's steps on a freshly opened window through driver, reporting each failed check.
// An action that brings up a message box where the row expects none fails too. A row with a step
// the window cannot take is skipped.
void Run(const Row& row, WindowDriver& driver);

// Every text and caption the driver reads back.
Snapshot TakeSnapshot(WindowDriver& driver);

// For readable failure messages.
inline void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
std::string RowName(const Row& row);

}  // namespace behaviour
