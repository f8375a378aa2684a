#include "dpi.h"

#include "system_calls.h"

namespace tovalin::platform {

namespace {

DpiPlan plan() {
    static const DpiPlan chosen = chooseDpiPlan(systemCalls().found());
    return chosen;
}

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

UINT dpiOf(HWND window) {
    const SystemCalls& calls = systemCalls();
    switch (plan().source) {
    case DpiSource::Window:
        if (const UINT dpi = calls.GetDpiForWindow(window); dpi != 0) {
            return dpi;
        }
        break;
    case DpiSource::Monitor: {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(calls.GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0,
                                             &x, &y)) &&
            y != 0) {
            return y;
        }
        break;
    }
    case DpiSource::System:
        break;
    }
    return systemDpi();
}

HFONT createMessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!plan().metricsForDpi || !systemCalls().SystemParametersInfoForDpi(
                                     SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        // The system's own metrics are at the system DPI.
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        LOGFONTW& font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    if (plan().metricsForDpi) {
        systemCalls().AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        // Before Windows 10 the frame is drawn at the system DPI on every monitor.
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
}

} // namespace tovalin::platform
