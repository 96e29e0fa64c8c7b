// How a behaviour test acts on a window as its user would, and reads back what the window shows.
// The logic's tests implement it on the in-memory window, each front end's tests on its real
// controls, so that one table of behaviour runs on every window.
#pragma once

#include "ui/control_table.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace behaviour {

// Every text and caption of the window, by control.
using Snapshot = std::map<ui::Control, std::u16string>;

// A message box as the user met it.
struct SeenMessage {
    std::u16string caption;
    std::u16string message;
    Snapshot window;  // what the window showed while the box was open
};

// Keys pressed on the control that has the focus.
enum class Key {
    Tab,
    ShiftTab,
    Undo,   // Ctrl+Z
    Space,
    Enter,  // Return
};

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // Focuses the field, selects its whole text and deletes it, then types keys one at a time.
    virtual void Type(ui::Control field, std::u16string_view keys) = 0;
    // Focuses the field, puts the caret after its last character and types keys one at a time.
    virtual void Append(ui::Control field, std::u16string_view keys) = 0;
    // Focuses the field, puts the caret after its last character and presses Backspace.
    virtual void Backspace(ui::Control field) = 0;
    // Focuses the field, selects its whole text and pastes text over it.
    virtual void Paste(ui::Control field, std::u16string_view text) = 0;
    // Clicks the control with the mouse, in its middle: in a field, past the end of a short text.
    virtual void Click(ui::Control control) = 0;
    // Double-clicks the control with the mouse.
    virtual void DoubleClick(ui::Control control) = 0;
    // Gives the control the focus as the program would, leaving its caret and selection alone.
    virtual void Focus(ui::Control control) = 0;
    // Presses and releases a key on the control that has the focus.
    virtual void Press(Key key) = 0;
    // Types keys one at a time into the control that has the focus, at its caret.
    virtual void Keys(std::u16string_view keys) = 0;
    // Writes a text or caption through the window, as the program does: for texts no key can
    // type, and for captions the user cannot edit.
    virtual void Write(ui::Control control, std::u16string_view text) = 0;

    // The text of a field, or the caption of a label or button.
    virtual std::u16string Shown(ui::Control control) = 0;
    // The control that has the focus.
    virtual ui::Control Focused() = 0;
    // The button that Enter in a locator field presses, if any.
    virtual std::optional<ui::Control> DefaultButton() = 0;
    // How many times the last action ran the change handler of the field.
    virtual int ChangesNotified(ui::Control field) = 0;
    // Every message box shown so far; each was dismissed with OK as soon as it appeared.
    virtual const std::vector<SeenMessage>& Messages() = 0;
    // Whether the window has closed.
    virtual bool Closed() = 0;

    // Whether the window can double-click at all; a row that double-clicks is left out where not.
    virtual bool TakesDoubleClicks() const { return true; }
};

}  // namespace behaviour
