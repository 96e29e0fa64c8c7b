#include "form2_window.h"

#include "command_button.h"
#include "control_ids.h"
#include "message_box.h"
#include "picture_box.h"
#include "resource.h"
#include "text_box.h"
#include "window_dpi.h"
#include "window_messages.h"
#include "window_placement.h"
#include "window_scale.h"
#include "window_text.h"

#include "ui/caption_table.h"
#include "ui/control_table.h"
#include "ui/fitted_texts.h"
#include "ui/text_rules.h"

#include <commctrl.h>

#include <vector>

namespace ui::win32 {
namespace {

using enum Control;

constexpr wchar_t kClassName[] = L"TarvolinForm2";
// A resizable frame with minimise and maximise; the controls never move with it.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

// Creation order is z-order and tab order: the controls that take the focus in tab order, each
// field just after the label that names it (assistive tools name a field by the label created
// before it).
std::vector<Control> CreationOrder() {
    std::vector<Control> order;
    for (const Control focusable : TabOrder()) {
        for (const ControlRow& row : ControlTable()) {
            if (row.kind == ControlKind::Label && row.labelFor == focusable) order.push_back(row.id);
        }
        order.push_back(focusable);
    }
    return order;
}

// The notification that carries a control's event.
WORD Notification(Event event) { return event == Event::Change ? EN_CHANGE : BN_CLICKED; }

const PictureNameRow& NamingOf(Control picture) {
    static const PictureNameRow kUnnamed{picture, PictureRole::Image, u"", u""};
    for (const PictureNameRow& row : PictureNameTable()) {
        if (row.picture == picture) return row;
    }
    return kUnnamed;
}

HMENU AsMenu(Control control) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))); }

HICON WindowIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WINDOW), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

// The dialog background, and icons for the window until it has its own for its DPI.
WindowClass Form2Class(HINSTANCE instance) {
    return {.instance = instance,
            .name = kClassName,
            .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
            .icon = WindowIcon(instance, SM_CXICON, SM_CYICON),
            .smallIcon = WindowIcon(instance, SM_CXSMICON, SM_CYSMICON)};
}

RECT PrimaryWorkArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

void SetDefaultLook(HWND button, bool isDefault) {
    const LONG_PTR want = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) != want) SendMessageW(button, BM_SETSTYLE, want, TRUE);
}

}  // namespace

Form2Window::Form2Window(HINSTANCE instance, const SystemFunctions& system) : system_(system) {
    if (!RegisterWindowClass<Form2Window>(Form2Class(instance)) || !PictureBox::RegisterClass(instance)) {
        Fail(Failure::WindowClass);
        return;
    }
    const RECT work = PrimaryWorkArea();
    // A window refused without an error code (by a hook, say) leaves the last one as it was.
    SetLastError(ERROR_SUCCESS);
    // Made at its place on the primary monitor, so that it takes that monitor's DPI.
    CreateWindowExW(kExStyle, kClassName, Wide(std::u16string(kWindowTitle)), kStyle, work.left, work.top, 0, 0,
                    nullptr, nullptr, instance, this);
    if (!window_) {
        Fail(Failure::Window);
        return;
    }
    CreateControls();
    FitToDpi(DpiOfWindow(system_, window_));
    CentreOnPrimaryWorkArea();
    form_.Form_Load();
    handlersLive_ = true;
    focusWhenInactive_ = ControlHandle(TabOrder().front());
}

Form2Window::~Form2Window() {
    if (window_) DestroyWindow(window_);
    if (font_) DeleteObject(font_);
}

void Form2Window::Fail(Failure failure) {
    failure_ = failure;
    failureError_ = GetLastError();
}

void Form2Window::Show(int showCommand) const {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

void Form2Window::CreateControls() {
    for (const Control id : CreationOrder()) {
        const ControlRow& row = RowOf(id);
        controls_[static_cast<std::size_t>(id)] = CreateControl(row);
    }
}

HWND Form2Window::CreateControl(const ControlRow& row) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    const std::u16string content(row.content);
    const auto make = [&](DWORD exStyle, const wchar_t* type, DWORD style) {
        return CreateWindowExW(exStyle, type, Wide(content), WS_CHILD | style, 0, 0, 0, 0, window_, AsMenu(row.id),
                               instance, nullptr);
    };
    switch (row.kind) {
    case ControlKind::Label:
        return make(0, WC_STATICW, WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX);
    case ControlKind::TextBox: {
        HWND field = make(WS_EX_CLIENTEDGE, WC_EDITW, WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL);
        // Set even so: Wine's own default is 30,000, Windows's 32,767.
        SendMessageW(field, EM_SETLIMITTEXT, kLongestFieldText, 0);
        MakeTextBox(field, row.id);
        return field;
    }
    case ControlKind::Button: {
        // No default button until the second locator is complete.
        HWND button = make(0, WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
        MakeCommandButton(button);
        return button;
    }
    case ControlKind::PictureBox:
        return PictureBox::Create(window_, ControlId(row.id), row.content, NamingOf(row.id));
    case ControlKind::HiddenTextBox:
        break;
    }
    return nullptr;
}

// The font for the DPI on every control, the scale at which every text fits in it, and the
// window's icons drawn for the DPI.
void Form2Window::FitToDpi(UINT dpi) {
    dpi_ = dpi;
    icons_.FollowDpi(window_, dpi_);
    HFONT previous = font_;
    font_ = CreateMessageFont(system_, dpi_);
    for (HWND c : controls_) {
        if (c) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous) DeleteObject(previous);
    const ControlMeasure measure([this](Control id) { return ControlHandle(id); }, font_, dpi_);
    scale_ = ui::SmallestFittingScale(TextsToFit(), measure, [this](double scale) { LayOut(scale); });
}

// Every control at the scale, in twips at the DPI; 1 at 96 dpi is the window as designed.
void Form2Window::LayOut(double scale) {
    const double devicePixelsPerUnit = scale * dpi_ / USER_DEFAULT_SCREEN_DPI;
    for (const ControlRow& row : ControlTable()) {
        if (!IsShown(row)) continue;
        const PixelRect r = TwipsToPixels(row, devicePixelsPerUnit);
        MoveWindow(ControlHandle(row.id), r.left, r.top, r.width, r.height, TRUE);
        if (PictureBox* picture = PictureBox::Of(ControlHandle(row.id))) picture->SetDeviceScale(devicePixelsPerUnit);
    }
}

SIZE Form2Window::FrameSize() const {
    const double devicePixelsPerUnit = scale_ * dpi_ / USER_DEFAULT_SCREEN_DPI;
    const SIZE client{TwipsToPixels(kClientWidthTwips, devicePixelsPerUnit),
                      TwipsToPixels(kClientHeightTwips, devicePixelsPerUnit)};
    return FrameSizeAround(system_, client, kStyle, kExStyle, dpi_);
}

void Form2Window::CentreOnPrimaryWorkArea() const {
    const SIZE frame = FrameSize();
    const POINT at = FramePositionOn(PrimaryWorkArea(), frame);
    SetWindowPos(window_, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

Form2Window* Form2Window::Attach(HWND window, void* form) {
    auto* attached = static_cast<Form2Window*>(form);
    attached->window_ = window;
    return attached;
}

void Form2Window::Detach() {
    window_ = nullptr;
    controls_ = {};
}

LRESULT Form2Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    // The dialog manager asks for the default button when Enter is pressed in a field.
    case DM_GETDEFID:
        return completed_ ? MAKELRESULT(ControlId(kCalculateButton), DC_HASDEFID) : 0;
    case kFocusMoved:
        FollowFocus();
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
        return 0;
    // Another monitor's DPI: the font for it, the layout again, and the place Windows proposes.
    case WM_DPICHANGED: {
        FitToDpi(HIWORD(wParam));
        const RECT* proposed = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, proposed->left, proposed->top, proposed->right - proposed->left,
                     proposed->bottom - proposed->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    // The pictures' borders and focus frame are drawn in system colours: a new scheme (high
    // contrast) repaints them.
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// A click (Escape is Exit's) or a change of a field's text, the event the control table names,
// for the logic's handler. Change notifications start with the load handler: the controls' own
// creation raises none.
void Form2Window::OnCommand(int id, int code) {
    const std::optional<Control> source = ControlOfId(id);
    if (!source || RowOf(*source).event == Event::None || code != Notification(RowOf(*source).event)) return;
    if (code == EN_CHANGE && !handlersLive_) return;
    form_.HandleEvent(*source);
}

// The focus leaves with the window and comes back to the control that had it, the compass at first.
void Form2Window::OnActivate(bool active) {
    if (active) {
        SetFocus(IsWindow(focusWhenInactive_) ? focusWhenInactive_ : ControlHandle(TabOrder().front()));
        return;
    }
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focusWhenInactive_ = focus;
}

// As in a dialog: a focused push button wears the default-button look, which Enter presses;
// otherwise Calculate does, once the completion signal came.
void Form2Window::FollowFocus() const {
    const HWND focus = GetFocus();
    const bool onButton = focus && (focus == ControlHandle(kCalculateButton) || focus == ControlHandle(kExitButton));
    for (const Control button : {kCalculateButton, kExitButton}) {
        const bool isDefault = onButton ? focus == ControlHandle(button) : button == kCalculateButton && completed_;
        SetDefaultLook(ControlHandle(button), isDefault);
    }
}

std::u16string Form2Window::Text(Control field) const { return WindowText(ControlHandle(field)); }

// The text is replaced as an edit the user can undo: bad input empties the locator fields, and
// Ctrl+Z brings back what was typed. The EDIT sends EN_CHANGE before the replacement returns, so
// the change handler runs nested.
void Form2Window::SetText(Control field, std::u16string_view text) { ReplaceText(ControlHandle(field), text); }

std::u16string Form2Window::Caption(Control id) const { return WindowText(ControlHandle(id)); }

void Form2Window::SetCaption(Control id, std::u16string_view caption) { WriteWindowText(ControlHandle(id), caption); }

void Form2Window::PlaceCaret(Control field, std::size_t position) {
    const auto offset = static_cast<WPARAM>(Utf16Offset(Text(field), position));
    SendMessageW(ControlHandle(field), EM_SETSEL, offset, static_cast<LPARAM>(offset));
    SendMessageW(ControlHandle(field), EM_SCROLLCARET, 0, 0);
}

void Form2Window::ShowMessage(std::u16string_view message, std::u16string_view caption) {
    ShowMessageBox(window_, message, caption, NonClientMetricsAt(system_, dpi_));
}

// From now on Calculate is the default button: Enter in a locator field presses it.
void Form2Window::SignalCompletion() {
    completed_ = true;
    FollowFocus();
}

// The pictures' names for assistive tools, and the flag of the caption language checked.
void Form2Window::FollowLanguage(Language language) {
    for (const PictureNameRow& row : PictureNameTable()) {
        if (PictureBox* picture = PictureBox::Of(ControlHandle(row.picture))) picture->FollowLanguage(language);
    }
}

void Form2Window::Alert() { MessageBeep(MB_OK); }

void Form2Window::Close() { DestroyWindow(window_); }

}  // namespace ui::win32
