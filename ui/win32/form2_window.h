// The program's one window on Win32: the controls of the control table as the platform's own
// controls (STATIC, EDIT, BUTTON, and a picture box of our own), the window operations of the
// contract on them, and the window's logic (Form2) wired to their notifications.
//
// The window is laid out in twips at its DPI, times a scale fitted to the system's message font;
// at 96 dpi, with a font that fits, its client area is 492 x 417 pixels. Keyboard handling is the
// dialog manager's: the message loop passes every message through IsDialogMessage (see
// message_loop.h), so Tab follows the tab order, Escape is Exit (IDCANCEL) and Enter presses the
// default button, which Calculate becomes with the completion signal.
#pragma once

#include "system_functions.h"
#include "window_icons.h"
#include "window_procedure.h"

#include "ui/form2.h"
#include "ui/window.h"

#include <windows.h>

#include <array>

namespace ui::win32 {

class Form2Window final : public ui::Window {
public:
    // Creates the window and its controls, hidden, laid out and centred on the primary monitor's
    // work area, and runs the load handler. WindowHandle() is nullptr if the window could not be made,
    // and WhatFailed() says why. Needs COM on the thread (the pictures are decoded by WIC). system
    // holds the functions of later Windows versions that the window uses where they exist.
    explicit Form2Window(HINSTANCE instance, const SystemFunctions& system = SystemFunctions::OfThisSystem());
    Form2Window(const Form2Window&) = delete;
    Form2Window& operator=(const Form2Window&) = delete;
    ~Form2Window();

    HWND WindowHandle() const { return window_; }
    enum class Failure { None, WindowClass, Window };
    Failure WhatFailed() const { return failure_; }
    DWORD FailureError() const { return failureError_; }  // the system's error code then (GetLastError)
    HWND ControlHandle(Control id) const { return controls_[static_cast<std::size_t>(id)]; }
    void Show(int showCommand) const;

    // The window's logic, which holds what no control shows.
    ui::Form2& Logic() { return form_; }

    // The scale fitted to the font (1 as designed) and the DPI it is laid out for.
    double Scale() const { return scale_; }
    UINT Dpi() const { return dpi_; }

    // The window operations.
    std::u16string Text(Control field) const override;
    void SetText(Control field, std::u16string_view text) override;
    std::u16string Caption(Control control) const override;
    void SetCaption(Control control, std::u16string_view caption) override;
    void PlaceCaret(Control field, std::size_t position) override;
    void ShowMessage(std::u16string_view message, std::u16string_view caption) override;
    void SignalCompletion() override;
    void FollowLanguage(Language language) override;
    void Alert() override;
    void Close() override;

private:
    template <typename> friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    static Form2Window* Attach(HWND window, void* form);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();
    void CreateControls();
    HWND CreateControl(const ControlRow& row);
    void FitToDpi(UINT dpi);
    void LayOut(double scale);
    SIZE FrameSize() const;
    void CentreOnPrimaryWorkArea() const;
    void OnCommand(int id, int code);
    void OnActivate(bool active);
    void FollowFocus() const;
    void Fail(Failure failure);

    const SystemFunctions system_;
    Failure failure_ = Failure::None;
    DWORD failureError_ = ERROR_SUCCESS;
    WindowIcons icons_;  // destroyed after the window
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};  // none for the hidden fields
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    double scale_ = 1;
    bool completed_ = false;       // the completion signal came: Calculate is the default button
    bool handlersLive_ = false;    // the load handler has run: change notifications reach Form2
    HWND focusWhenInactive_ = nullptr;
    ui::Form2 form_{*this};
};

}  // namespace ui::win32
