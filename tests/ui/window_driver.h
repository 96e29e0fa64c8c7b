// How a behaviour test acts on a window as its user would, and reads back what the window shows.
// The logic's tests implement it on the in-memory window, each front end's tests on its real
// controls, so that one table of behaviour runs on every window. The actions are a user's
// smallest: a key, a click, a copy; the table puts typing and pasting together from them.
#pragma once

#include "ui/control_table.h"
#include "ui/form2.h"

#include <functional>
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
    Snapshot window;           // what the window showed while the box was open
    int buttons = 1;           // push buttons on it
    bool okButton = true;      // one of them is OK
    bool icon = false;         // it shows an icon
    bool windowTookInput = false;  // the window still took input meanwhile (the box was not modal)
};

// Keys pressed on the control that has the focus.
enum class Key {
    Tab,
    ShiftTab,
    Home,       // the caret before the first character
    End,        // the caret after the last character
    ShiftHome,  // from there, the whole text selected
    Delete,
    Backspace,
    Paste,      // Ctrl+V
    Undo,       // Ctrl+Z
    Space,
    Enter,      // Return
    KeypadEnter,
};

// What only some windows have; a row that needs it runs where it is.
enum class Ability {
    Mouse,          // a mouse, whose presses and releases are apart
    Layout,         // controls placed on a screen
    AssistiveTools, // what assistive tools read and do
    Announcements,  // what assistive tools are told as it changes
};

// What assistive tools are told a control is.
enum class Role { Image, Button, Choice, Text };

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // Gives the control the focus as the program would, leaving its caret and selection alone.
    virtual void Focus(ui::Control control) = 0;
    // Presses and releases a key on the control that has the focus.
    virtual void Press(Key key) = 0;
    // Types keys one at a time into the control that has the focus, at its caret.
    virtual void Keys(std::u16string_view keys) = 0;
    // Puts text on the clipboard, as another program's copy would.
    virtual void Copy(std::u16string_view text) = 0;
    // Clicks the control with the mouse, in its middle: in a field, past the end of a short text.
    virtual void Click(ui::Control control) = 0;
    // Double-clicks the control with the mouse.
    virtual void DoubleClick(ui::Control) {}
    // Presses the mouse button on the control and releases it outside.
    virtual void ReleaseOutside(ui::Control) {}
    // Writes a text or caption as the program's logic does: for texts no key can type, and for
    // captions the user cannot edit.
    void Write(ui::Control control, std::u16string_view text);

    // The text of a field, or the caption of a label or button, as the program reads it.
    std::u16string Shown(ui::Control control);
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

    // What only some windows have (Has says which).
    virtual bool Has(Ability) const { return true; }
    // Where the control lies in the client area, and the client area itself, in pixels at 96 dpi.
    virtual ui::PixelRect Place(ui::Control) { return {}; }
    virtual ui::PixelRect ClientArea() { return {}; }
    // What assistive tools read of the control: its name, its role, whether it is checked.
    virtual std::u16string AccessibleName(ui::Control) { return {}; }
    virtual std::optional<Role> AccessibleRole(ui::Control) { return std::nullopt; }
    virtual bool AccessiblyChecked(ui::Control) { return false; }
    // Whether assistive tools are offered a press of the control, and the press itself (its
    // default action).
    virtual bool AccessiblyPressable(ui::Control) { return false; }
    virtual void PressAccessibly(ui::Control) {}
    // What assistive tools were told of the pictures during the last action, as "Picture2 state"
    // (its checked state changed) and "Picture1 name" (its name changed), in any order. (The
    // toolkits tell of a caption that changes themselves.)
    virtual std::vector<std::string> Announced() { return {}; }

protected:
    // The program's logic over the window, which writes and reads the window's texts.
    virtual ui::Form2& Program() = 0;
    // Takes an action as the window's user would, with what the driver watches around each.
    virtual void Act(const std::function<void()>& action) = 0;
};

}  // namespace behaviour
