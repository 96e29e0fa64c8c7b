#include "window_scale.h"

#include "window_dpi.h"

namespace ui::win32 {
namespace {

// A push button's bevel and the gap inside it, each side, in pixels at 96 dpi.
constexpr int kButtonFaceInset = 3;
constexpr UINT kDesignDpi = 96;

PixelSize SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

}  // namespace

HFONT CreateMessageFont(const SystemFunctions& system, UINT dpi) {
    const std::optional<NONCLIENTMETRICSW> metrics = NonClientMetricsAt(system, dpi);
    if (!metrics) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return CreateFontIndirectW(&metrics->lfMessageFont);
}

ControlMeasure::ControlMeasure(std::function<HWND(Control)> control, HFONT font, UINT dpi)
    : control_(std::move(control)), dpi_(dpi), dc_(GetDC(nullptr)), previous_(SelectObject(dc_, font)) {}

ControlMeasure::~ControlMeasure() {
    SelectObject(dc_, previous_);
    ReleaseDC(nullptr, dc_);
}

PixelSize ControlMeasure::Box(Control control) const {
    RECT r;
    GetWindowRect(control_(control), &r);
    return SizeOf(r);
}

PixelSize ControlMeasure::Room(Control control) const {
    RECT r;
    GetClientRect(control_(control), &r);
    if (RowOf(control).kind == ControlKind::Button) {
        const int inset = MulDiv(kButtonFaceInset, static_cast<int>(dpi_), kDesignDpi);
        InflateRect(&r, -inset, -inset);
    } else if (RowOf(control).kind == ControlKind::TextBox) {
        const auto margins = static_cast<DWORD>(SendMessageW(control_(control), EM_GETMARGINS, 0, 0));
        r.left += LOWORD(margins);
        r.right -= HIWORD(margins);
    }
    return SizeOf(r);
}

PixelSize ControlMeasure::Extent(Control, std::u16string_view text) const {
    SIZE extent{};
    GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {extent.cx, metrics.tmHeight};
}

}  // namespace ui::win32
