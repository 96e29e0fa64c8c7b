// A user at the real Win32 window, in the test's own process: keys and clicks arrive as the
// messages Windows would post for them, and go through the program's own message loop step
// (IsDialogMessage, TranslateMessage, DispatchMessage). Message boxes are looked at and dismissed
// with OK as soon as they are up.
#pragma once

#include "../ui/window_driver.h"

#include "ui/win32/form2_window.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace win32_test {

// Delivers every message waiting for this thread, as the program's loop would; WM_QUIT is dropped.
void Pump(HWND window);

// A message box as the window showed it.
struct BoxSeen {
    std::u16string caption, message;
    int buttons = 0;           // push buttons on it
    bool okButton = false;     // one of them is IDOK
    bool icon = false;         // an icon is shown
    bool ownerEnabled = true;  // the window still took input meanwhile
    RECT frame{};              // on the screen
    RECT client{};
    RECT ok{};                 // the OK button, in the client area
};

class Win32Driver : public behaviour::WindowDriver {
public:
    explicit Win32Driver(ui::win32::Form2Window& form) : form_(form) {}

    void Type(ui::Control field, std::u16string_view keys) override;
    void Append(ui::Control field, std::u16string_view keys) override;
    void Backspace(ui::Control field) override;
    void Paste(ui::Control field, std::u16string_view text) override;
    void Click(ui::Control control) override;
    void PressEnter(ui::Control control) override;
    void Write(ui::Control control, std::u16string_view text) override;
    std::u16string Shown(ui::Control control) override;
    const std::vector<behaviour::SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !IsWindow(window_); }

    // The same as single steps, for the Windows tests.
    void Focus(ui::Control control);
    // A key pressed and released on the focused control, with Shift or Ctrl held if asked.
    void PressKey(WORD virtualKey, bool shift = false, bool control = false);
    void TypeKeys(std::u16string_view keys);
    // A click of the left button at a point of the control (its centre when none is given); a
    // double-click when twice.
    void MouseClick(ui::Control control, std::optional<POINT> at = std::nullopt, bool twice = false);
    // Runs an action that may bring up message boxes, recording each and dismissing it.
    void Act(const std::function<void()>& action);
    const std::vector<BoxSeen>& Boxes() const { return boxes_; }

private:
    HWND Handle(ui::Control control) const { return form_.control(control); }
    void SelectAll(ui::Control field);
    void CaretToEnd(ui::Control field);
    void PostKey(HWND target, UINT message, WORD virtualKey);
    static void CALLBACK LookForBox(HWND, UINT, UINT_PTR, DWORD);
    void Inspect(HWND box);

    ui::win32::Form2Window& form_;
    HWND window_ = form_.handle();
    std::vector<behaviour::SeenMessage> messages_;
    std::vector<BoxSeen> boxes_;
    std::vector<HWND> dismissed_;
};

// Puts text on the clipboard, as another program's copy would.
bool SetClipboardText(std::u16string_view text);

}  // namespace win32_test
