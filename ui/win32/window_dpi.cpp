#include "window_dpi.h"

namespace ui::win32 {
namespace {

// A size that the system gives at its own DPI, at another one. The system keeps its sizes for
// 96 dpi and rounds them to whole pixels at its DPI: back at 96 they are whole again (for a
// system DPI of 96 or more), and from there they are rounded once, as Windows 10 does for any DPI.
int AtDpi(int systemPixels, UINT dpi, UINT systemDpi) {
    const int designPixels = MulDiv(systemPixels, USER_DEFAULT_SCREEN_DPI, static_cast<int>(systemDpi));
    return MulDiv(designPixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// The sizes that the system gives at its own DPI, at another one.
void Scale(NONCLIENTMETRICSW& m, UINT dpi, UINT systemDpi) {
    if (dpi == systemDpi) return;
    for (LOGFONTW* font : {&m.lfCaptionFont, &m.lfSmCaptionFont, &m.lfMenuFont, &m.lfStatusFont, &m.lfMessageFont}) {
        font->lfHeight = AtDpi(font->lfHeight, dpi, systemDpi);
    }
    for (int* size : {&m.iBorderWidth, &m.iScrollWidth, &m.iScrollHeight, &m.iCaptionWidth, &m.iCaptionHeight,
                      &m.iSmCaptionWidth, &m.iSmCaptionHeight, &m.iMenuWidth, &m.iMenuHeight, &m.iPaddedBorderWidth}) {
        *size = AtDpi(*size, dpi, systemDpi);
    }
}

}  // namespace

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT DpiOfWindow(const SystemFunctions& system, HWND window) {
    if (system.getDpiForWindow) return system.getDpiForWindow(window);
    UINT x = 0, y = 0;
    if (system.getDpiForMonitor &&
        SUCCEEDED(system.getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                          SystemFunctions::kEffectiveDpi, &x, &y)) &&
        y > 0) {
        return y;
    }
    return SystemDpi();
}

std::optional<NONCLIENTMETRICSW> NonClientMetricsAt(const SystemFunctions& system, UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (system.systemParametersInfoForDpi) {
        if (!system.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) return {};
        return metrics;
    }
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    Scale(metrics, dpi, SystemDpi());
    return metrics;
}

SIZE FrameSizeAround(const SystemFunctions& system, SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    RECT frame{0, 0, client.cx, client.cy};
    if (system.adjustWindowRectExForDpi) {
        system.adjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace ui::win32
