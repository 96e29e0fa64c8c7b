// How a behaviour test acts on a window as its user would, and reads back what the window shows.
// The logic's tests implement it on the in-memory window, each front end's tests on its real
// controls, so that one table of behaviour runs on every window.
#pragma once

#include "ui/control_table.h"

#include <map>
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
    // Clicks the control with the mouse.
    virtual void Click(ui::Control control) = 0;
    // Focuses the control and presses Enter.
    virtual void PressEnter(ui::Control control) = 0;
    // Writes a text or caption directly, as the program would: for texts no key can type, and for
    // captions the user cannot edit.
    virtual void Write(ui::Control control, std::u16string_view text) = 0;

    // The text of a field, or the caption of a label or button.
    virtual std::u16string Shown(ui::Control control) = 0;
    // Every message box shown so far; each was dismissed with OK as soon as it appeared.
    virtual const std::vector<SeenMessage>& Messages() = 0;
    // Whether the window has closed.
    virtual bool Closed() = 0;
};

}  // namespace behaviour
