#include "picture_box.h"

#include "picture_accessible.h"
#include "resource_data.h"
#include "smooth_scaling.h"
#include "window_messages.h"

#include <cmath>
#include <string>

namespace ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarvolinPictureBox";
// Bit 30 of a key message's lParam: the key was down before, so this one is the key's repeat.
constexpr LPARAM kKeyWasDown = 1 << 30;

// A picture's drawing at twice its size is the resource of the picture's name and this (the file
// compass@2x.jpg is the resource compass_2x; see CMakeLists.txt).
constexpr std::u16string_view kDoubleSizeSuffix = u"_2x";

Pixels DecodeResource(std::u16string_view name) {
    const ResourceBytes bytes = RcdataResource(name);
    return DecodeImage(bytes.data, bytes.size).value_or(Pixels{});
}

void Fill(HDC dc, int left, int top, int right, int bottom, int colour) {
    const RECT r{left, top, right, bottom};
    FillRect(dc, &r, GetSysColorBrush(colour));
}

// A sunken edge as the system draws one, in bands of shadow above and left and of light below
// and right, any number of pixels wide: the outer half in the shadow and highlight colours, the
// inner half in the dark shadow and light colours.
void DrawSunkenBorder(HDC dc, const RECT& box, int width) {
    const int outer = (width + 1) / 2;
    const int inner = width - outer;
    const auto band = [dc](const RECT& r, int w, int topLeft, int bottomRight) {
        Fill(dc, r.left, r.top, r.right, r.top + w, topLeft);
        Fill(dc, r.left, r.top, r.left + w, r.bottom, topLeft);
        Fill(dc, r.left, r.bottom - w, r.right, r.bottom, bottomRight);
        Fill(dc, r.right - w, r.top, r.right, r.bottom, bottomRight);
    };
    band(box, outer, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    const RECT within{box.left + outer, box.top + outer, box.right - outer, box.bottom - outer};
    if (inner > 0) band(within, inner, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

bool IsEnterKeyDown(LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

}  // namespace

bool PictureBox::RegisterClass(HINSTANCE instance) {
    // CS_DBLCLKS: the second press of a double-click comes as WM_LBUTTONDBLCLK, not as a press.
    return RegisterWindowClass<PictureBox>(
        {.instance = instance, .name = kClassName, .style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW});
}

struct PictureCreation {
    std::u16string_view picture;
    const PictureNameRow* naming;
};

HWND PictureBox::Create(HWND parent, int id, std::u16string_view picture, const PictureNameRow& naming) {
    PictureCreation creation{picture, &naming};
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), &creation);
}

PictureBox* PictureBox::Of(HWND window) {
    wchar_t name[std::size(kClassName)] = {};
    if (!GetClassNameW(window, name, static_cast<int>(std::size(name))) || std::wstring_view(name) != kClassName)
        return nullptr;
    return reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

PictureBox::PictureBox(HWND window, std::u16string_view picture, const PictureNameRow& naming)
    : window_(window), naming_(naming), picture_(picture), natural_(DecodeResource(picture_)) {
    MakeShownBitmap();
}

PictureBox::~PictureBox() {
    if (shown_) DeleteObject(shown_);
}

void PictureBox::SetDeviceScale(double scale) {
    if (scale == deviceScale_) return;
    deviceScale_ = scale;
    MakeShownBitmap();
    InvalidateRect(window_, nullptr, FALSE);
}

const Pixels& PictureBox::DoubleSize() {
    if (!doubleSize_) doubleSize_ = DecodeResource(picture_ + std::u16string(kDoubleSizeSuffix));
    return doubleSize_->width > 0 ? *doubleSize_ : natural_;
}

// The natural picture at 1, the double-size drawing as it is at 2, and that drawing scaled to the
// natural size times the scale otherwise.
void PictureBox::MakeShownBitmap() {
    if (shown_) DeleteObject(shown_);
    shown_ = nullptr;
    shownSize_ = {};
    if (natural_.width == 0) return;
    const int width = std::max(1, static_cast<int>(std::lround(natural_.width * deviceScale_)));
    const int height = std::max(1, static_cast<int>(std::lround(natural_.height * deviceScale_)));
    shown_ = CreateBitmap(deviceScale_ == 1 ? natural_ : ScaledSmoothly(DoubleSize(), width, height));
    if (shown_) shownSize_ = {width, height};
}

void PictureBox::FollowLanguage(Language language) {
    const bool wasChecked = Checked();
    const std::u16string_view oldName = Name();
    language_ = language;
    if (Name() != oldName) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    if (Checked() != wasChecked) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void PictureBox::Click() const {
    SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window_));
}

int PictureBox::DevicePixels(int units) const { return static_cast<int>(std::lround(units * deviceScale_)); }

void PictureBox::Paint(HDC dc) const {
    RECT box;
    GetClientRect(window_, &box);
    const int border = DevicePixels(kPictureBorderPixels);
    DrawSunkenBorder(dc, box, border);
    const RECT interior{box.left + border, box.top + border, box.right - border, box.bottom - border};
    if (interior.right <= interior.left || interior.bottom <= interior.top) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, interior.left, interior.top, interior.right, interior.bottom);
    if (shown_) {
        HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ previous = SelectObject(source, shown_);
        BitBlt(dc, interior.left, interior.top, shownSize_.cx, shownSize_.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        ExcludeClipRect(dc, interior.left, interior.top, interior.left + shownSize_.cx, interior.top + shownSize_.cy);
    }
    FillRect(dc, &interior, GetSysColorBrush(COLOR_BTNFACE));  // what the picture leaves uncovered
    RestoreDC(dc, saved);
    if (GetFocus() == window_) DrawFocusFrame(dc, interior);
}

// Along the inside of the border, over the picture's edge. The compass reaches below the window,
// so the frame follows the part of the interior that the window shows.
void PictureBox::DrawFocusFrame(HDC dc, const RECT& interior) const {
    RECT shown = interior;
    RECT parent;
    GetClientRect(GetParent(window_), &parent);
    MapWindowPoints(GetParent(window_), window_, reinterpret_cast<POINT*>(&parent), 2);
    if (!IntersectRect(&shown, &interior, &parent)) return;
    const int w = DevicePixels(kFocusFramePixels);
    Fill(dc, shown.left, shown.top, shown.right, shown.top + w, COLOR_HIGHLIGHT);
    Fill(dc, shown.left, shown.bottom - w, shown.right, shown.bottom, COLOR_HIGHLIGHT);
    Fill(dc, shown.left, shown.top, shown.left + w, shown.bottom, COLOR_HIGHLIGHT);
    Fill(dc, shown.right - w, shown.top, shown.right, shown.bottom, COLOR_HIGHLIGHT);
}

PictureBox* PictureBox::Attach(HWND window, void* creation) {
    const auto* made = static_cast<const PictureCreation*>(creation);
    return new PictureBox(window, made->picture, *made->naming);
}

LRESULT PictureBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        Paint(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the painting covers every pixel
    case WM_SETFOCUS:
        ReportFocus(window_);
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    // A click is a press and a release inside the box, like a button's.
    case WM_LBUTTONDOWN:
        SetFocus(window_);
        SetCapture(window_);
        pressed_ = true;
        return 0;
    // The second press of a double-click is no new press: a double-click is one click.
    case WM_LBUTTONDBLCLK:
        SetFocus(window_);
        return 0;
    case WM_LBUTTONUP: {
        RECT box;
        GetClientRect(window_, &box);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool click = pressed_ && PtInRect(&box, at);
        pressed_ = false;
        if (GetCapture() == window_) ReleaseCapture();
        if (click) Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    // Enter reaches the box rather than pressing the window's default button.
    case WM_GETDLGCODE:
        return IsEnterKeyDown(lParam) ? DLGC_WANTMESSAGE : 0;
    // The space bar and Enter click a focused picture, as they press a focused button, so that
    // keyboard users reach the flags and the ruler. A held key clicks once.
    case WM_KEYDOWN:
        if ((wParam == VK_SPACE || wParam == VK_RETURN) && !(lParam & kKeyWasDown)) Click();
        return 0;
    case WM_CHAR:
        return 0;  // the space and Enter of the keys above: no beep
    case BM_CLICK:
        Click();
        return 0;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerAccessibleObject(window_, wParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace ui::win32
