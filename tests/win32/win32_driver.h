// A user at the real Win32 window, in the test's own process: keys and clicks arrive as the
// messages Windows would post for them, and go through the program's own message loop step
// (IsDialogMessage, TranslateMessage, DispatchMessage). Message boxes are looked at and dismissed
// with OK as soon as they are up.
#pragma once

#include "../ui/window_driver.h"

#include "ui/win32/form2_window.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
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
};

// Counts one control's WM_COMMAND notifications of one code (EN_CHANGE, BN_CLICKED) as they reach
// the window, and how deep they nest: one arriving while another is being handled is a level deeper.
class NotificationWatch {
public:
    NotificationWatch(HWND window, HWND control, WORD code);
    NotificationWatch(const NotificationWatch&) = delete;
    NotificationWatch& operator=(const NotificationWatch&) = delete;
    ~NotificationWatch();

    int count = 0;
    int deepest = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);
    HWND window_, control_;
    WORD code_;
    int depth_ = 0;
};

class Win32Driver : public behaviour::WindowDriver {
public:
    explicit Win32Driver(ui::win32::Form2Window& form);

    void Type(ui::Control field, std::u16string_view keys) override;
    void Append(ui::Control field, std::u16string_view keys) override;
    void Backspace(ui::Control field) override;
    void Paste(ui::Control field, std::u16string_view text) override;
    void Click(ui::Control control) override;
    void DoubleClick(ui::Control control) override;
    void Focus(ui::Control control) override;
    void Press(behaviour::Key key) override;
    void Keys(std::u16string_view keys) override;
    void Write(ui::Control control, std::u16string_view text) override;
    std::u16string Shown(ui::Control control) override;
    ui::Control Focused() override;
    std::optional<ui::Control> DefaultButton() override;
    int ChangesNotified(ui::Control field) override;
    const std::vector<behaviour::SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !IsWindow(window_); }

    // The most change notifications of a locator field that were ever handled at once.
    int DeepestNesting() const;

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
    void FocusNow(ui::Control control);
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
    // The change notifications of the fields with a change handler.
    std::map<ui::Control, std::unique_ptr<NotificationWatch>> changes_;
    std::map<ui::Control, int> changesBeforeAction_;
};

// Puts text on the clipboard, as another program's copy would.
bool SetClipboardText(std::u16string_view text);

}  // namespace win32_test
