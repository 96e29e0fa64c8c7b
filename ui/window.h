// What the window's logic needs of a window system, and nothing more. Each front end (Qt on
// Linux, Win32 on Windows) implements it on its own controls; the handlers of Form2 reach the
// window only through it. Controls are named by the ids of the control table, texts are UTF-16.
//
// The promises every implementation keeps:
//   - Events reach the handlers one at a time, and each runs to completion.
//   - SetText on Text3 or Text5 runs that field's change handler (through Form2::HandleEvent)
//     synchronously, nested inside SetText. Typing and pasting raise the same handler after each
//     change. The logic never writes the text a field already holds, nor the caption a control
//     already shows, so a window writes whatever it is given.
//   - Text and Caption return exactly what the control holds, blanks included.
//   - ShowMessage is modal and blocks until the user dismisses it; no other handler of the
//     window runs meanwhile.
#pragma once

#include "caption_table.h"
#include "control_table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

class Window {
public:
    // The current text of a text field the window shows (the logic holds the coordinate fields').
    virtual std::u16string Text(Control field) const = 0;
    // Replaces the text of a text field the window shows; see above for the change handler.
    virtual void SetText(Control field, std::u16string_view text) = 0;

    // The caption of a label or button: exactly the text last set.
    virtual std::u16string Caption(Control control) const = 0;
    virtual void SetCaption(Control control, std::u16string_view caption) = 0;

    // Puts the caret of a text field before the character at position (counted in characters, 0
    // before the first, the text's length after the last), and cancels any selection.
    virtual void PlaceCaret(Control field, std::size_t position) = 0;

    // A modal message box with the message, a single OK button and no icon, under the caption;
    // returns when the user has dismissed it.
    virtual void ShowMessage(std::u16string_view message, std::u16string_view caption) = 0;

    // The completion signal of Command1: from now on Calculate is the window's default button,
    // which Enter in a locator field presses.
    virtual void SignalCompletion() = 0;

    // Whatever besides the captions must follow the caption language: the names assistive tools
    // read, the checked flag, the toolkit's own texts.
    virtual void FollowLanguage(Language language) = 0;

    // Tells the user, without words, that a click could not be carried out.
    virtual void Alert() = 0;

    // Closes the window, which ends the program; nothing runs on closing.
    virtual void Close() = 0;

protected:
    ~Window() = default;
};

}  // namespace ui
