#include "window_scale.h"

#include "window_dpi.h"

#include "ui/scale_search.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {
namespace {

// A push button's bevel and the gap inside it, each side, in pixels at 96 dpi.
constexpr int kButtonFaceInset = 3;
// Glyphs may reach the last pixel of their advance and of the font's height.
constexpr int kSparePixels = 1;
constexpr UINT kDesignDpi = 96;

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

SIZE OuterSize(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return SizeOf(r);
}

SIZE TextRoom(const TextToFit& fit, UINT dpi) {
    RECT r;
    GetClientRect(fit.control, &r);
    if (fit.kind == ControlKind::Button) {
        const int inset = MulDiv(kButtonFaceInset, static_cast<int>(dpi), kDesignDpi);
        InflateRect(&r, -inset, -inset);
    } else if (fit.kind == ControlKind::TextBox) {
        const auto margins = static_cast<DWORD>(SendMessageW(fit.control, EM_GETMARGINS, 0, 0));
        r.left += LOWORD(margins);
        r.right -= HIWORD(margins);
    }
    return SizeOf(r);
}

SIZE TextNeed(HDC dc, std::u16string_view text) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return {extent.cx + kSparePixels, metrics.tmHeight + kSparePixels};
}

bool Fits(SIZE need, SIZE room) { return need.cx <= room.cx && need.cy <= room.cy; }

// The scale at which the text would just fit, if borders and margins kept their size.
double ScaleNeeded(HDC dc, const TextToFit& fit, UINT dpi) {
    const SIZE box = OuterSize(fit.control), room = TextRoom(fit, dpi), need = TextNeed(dc, fit.text);
    const double across = static_cast<double>(need.cx + box.cx - room.cx) / box.cx;
    const double down = static_cast<double>(need.cy + box.cy - room.cy) / box.cy;
    return std::max(across, down);
}

class ScreenText {
public:
    explicit ScreenText(HFONT font) : dc_(GetDC(nullptr)), previous_(SelectObject(dc_, font)) {}
    ScreenText(const ScreenText&) = delete;
    ScreenText& operator=(const ScreenText&) = delete;
    ~ScreenText() {
        SelectObject(dc_, previous_);
        ReleaseDC(nullptr, dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

bool EveryTextFits(HDC dc, std::span<const TextToFit> texts, UINT dpi) {
    return std::all_of(texts.begin(), texts.end(),
                       [&](const TextToFit& fit) { return Fits(TextNeed(dc, fit.text), TextRoom(fit, dpi)); });
}

}  // namespace

HFONT CreateMessageFont(const SystemFunctions& system, UINT dpi) {
    const std::optional<NONCLIENTMETRICSW> metrics = NonClientMetricsAt(system, dpi);
    if (!metrics) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return CreateFontIndirectW(&metrics->lfMessageFont);
}

double SmallestFittingScale(std::span<const TextToFit> texts, HFONT font, UINT dpi,
                            const std::function<void(double)>& layOut) {
    const ScreenText screen(font);
    return ui::SmallestFittingScale(
        layOut, [&] { return EveryTextFits(screen.dc(), texts, dpi); },
        [&] {
            double scale = 0;
            for (const TextToFit& fit : texts) scale = std::max(scale, ScaleNeeded(screen.dc(), fit, dpi));
            return scale;
        });
}

}  // namespace ui::win32
