// A picture box of our own: a sunken box that shows one picture at its natural size from the
// top-left corner of its interior, clipped at the border, never stretched. The border (2 units)
// and the picture grow with the device scale, the device pixels per window unit (the window's
// scale times dpi / 96): at 1 the picture's own pixels are drawn, at 2 its double-size drawing
// pixel for pixel, at any other scale the double-size drawing scaled smoothly.
//
// It takes the focus, shown by a frame in the highlight colour inside the border, and tells its
// parent of a click by WM_COMMAND with BN_CLICKED: a press and a release inside the box, the
// space bar, Enter, or BM_CLICK. A double-click is one click. Assistive tools see it with the
// name, role and checked state of its row of the picture name table, in the caption language.
// Every colour it draws is a system colour.
#pragma once

#include "wic_image.h"
#include "window_procedure.h"

#include "ui/caption_table.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {

class PictureBox {
public:
    // Registers the window class once per process; false if that fails.
    static bool RegisterClass(HINSTANCE instance);
    // A visible child of parent that takes the focus by Tab, showing the built-in picture of the
    // name (the control table's, such as "compass"), described by naming. Needs COM on the
    // thread (WIC).
    static HWND Create(HWND parent, int id, std::u16string_view picture, const PictureNameRow& naming);
    // The picture box of a window, or nullptr when it is none.
    static PictureBox* Of(HWND window);

    void SetDeviceScale(double scale);

    // Names the picture in the language, and checks the flag of that language.
    void FollowLanguage(Language language);
    std::u16string_view Name() const { return ui::Name(naming_, language_); }
    PictureRole Role() const { return naming_.role; }
    bool Checked() const { return ui::Checked(naming_, language_); }

    void Click() const;

private:
    PictureBox(HWND window, std::u16string_view picture, const PictureNameRow& naming);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;
    ~PictureBox();

    template <typename> friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    static PictureBox* Attach(HWND window, void* creation);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach() { delete this; }
    void Paint(HDC dc) const;
    void DrawFocusFrame(HDC dc, const RECT& interior) const;
    int DevicePixels(int units) const;
    const Pixels& DoubleSize();
    void MakeShownBitmap();

    HWND window_;
    const PictureNameRow& naming_;
    Language language_ = Language::Italian;
    const std::u16string picture_;  // its name, which names its resources
    Pixels natural_;
    std::optional<Pixels> doubleSize_;  // read the first time a scale other than 1 asks for it
    double deviceScale_ = 1;
    HBITMAP shown_ = nullptr;  // the picture at the device scale
    SIZE shownSize_{};
    bool pressed_ = false;
};

}  // namespace ui::win32
