// A user at the real Win32 window, in the test's own process: keys and clicks arrive as the
// messages Windows would post for them, and go through the program's own message loop step
// (IsDialogMessage, TranslateMessage, DispatchMessage). Message boxes are looked at and dismissed
// with OK as soon as they are up.
#pragma once

#include "../window_driver.h"

#include "ui/win32/form2_window.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win32_test {

// Delivers every message waiting for this thread, as the program's loop would; WM_QUIT is dropped.
void Pump(HWND window);

// Where a control lies in its parent's client area, and a rectangle as "left,top widthxheight".
RECT RectInParent(HWND control);
std::string Describe(const RECT& r);

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

// Where a message box lay, in its own client area: how wide it was made, and its OK button.
struct BoxPlace {
    RECT client{};
    RECT ok{};
};

// A window of the message box class that is shown, and what it says and holds (the window's
// snapshot aside); where it lies, if asked.
bool IsMessageBox(HWND window);
behaviour::SeenMessage ReadMessageBox(HWND box, BoxPlace* place = nullptr);

class Win32Driver : public behaviour::WindowDriver {
public:
    explicit Win32Driver(ui::win32::Form2Window& form);
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;
    ~Win32Driver() override;

    void Copy(std::u16string_view text) override;
    void Click(ui::Control control) override;
    void DoubleClick(ui::Control control) override;
    void ReleaseOutside(ui::Control control) override;
    void Focus(ui::Control control) override;
    void Press(behaviour::Key key) override;
    void Keys(std::u16string_view keys) override;
    ui::PixelRect Place(ui::Control control) override;
    ui::PixelRect ClientArea() override;
    std::u16string AccessibleName(ui::Control control) override;
    std::optional<behaviour::Role> AccessibleRole(ui::Control control) override;
    bool AccessiblyChecked(ui::Control control) override;
    bool AccessiblyPressable(ui::Control control) override;
    void PressAccessibly(ui::Control control) override;
    std::vector<std::string> Announced() override;
    ui::Control Focused() override;
    std::optional<ui::Control> DefaultButton() override;
    int ChangesNotified(ui::Control field) override;
    const std::vector<behaviour::SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !IsWindow(window_); }

    // The most change notifications of a locator field that were ever handled at once.
    int DeepestNesting() const;

    // A key pressed and released on the focused control, with Shift or Ctrl held if asked; an
    // extended key is the keypad's Enter.
    void PressKey(WORD virtualKey, bool shift = false, bool control = false, bool extended = false);
    void TypeKeys(std::u16string_view keys);
    // A click of the left button at a point of the control (its centre when none is given); a
    // double-click when twice.
    void MouseClick(ui::Control control, std::optional<POINT> at = std::nullopt, bool twice = false);
    // Runs an action that may bring up message boxes, recording each and dismissing it.
    void Act(const std::function<void()>& action) override;
    // Where each message box of Messages() lay.
    const std::vector<BoxPlace>& BoxPlaces() const { return boxPlaces_; }

protected:
    ui::Form2& Program() override { return form_.Logic(); }

private:
    HWND Handle(ui::Control control) const { return form_.ControlHandle(control); }
    void FocusNow(ui::Control control);
    void PostKey(HWND target, UINT message, WORD virtualKey, bool extended);
    static void CALLBACK LookForBox(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND control, LONG object, LONG child, DWORD, DWORD);
    void Inspect(HWND box);

    ui::win32::Form2Window& form_;
    HWND window_ = form_.WindowHandle();
    std::vector<behaviour::SeenMessage> messages_;
    std::vector<BoxPlace> boxPlaces_;
    std::vector<HWND> dismissed_;
    // The change notifications of the fields with a change handler.
    std::map<ui::Control, std::unique_ptr<NotificationWatch>> changes_;
    std::map<ui::Control, int> changesBeforeAction_;
    // What assistive tools in this process are told, since the last action began.
    HWINEVENTHOOK hearing_ = nullptr;
    std::vector<std::string> announced_;
};

// Puts text on the clipboard, as another program's copy would.
bool SetClipboardText(std::u16string_view text);

// A control as an assistive tool in another program reads it, through the system's own client side
// (AccessibleObjectFromWindow): its name, MSAA role, state and default action.
struct AccessibleRead {
    std::u16string name;
    long role = 0;
    long state = 0;
    std::u16string defaultAction;  // none where it offers nothing to do
};
AccessibleRead ReadAccessible(HWND control);

}  // namespace win32_test
