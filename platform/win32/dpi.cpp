// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "dpi.h"

#include "system_calls.h"

namespace tovalin::platform {

namespace {

// 96 dpi, Windows' 100 %.
constexpr UINT defaultDpi = 96;

// NONCLIENTMETRICSW as Vista and later define it. Compiled for XP, the header's
// struct lacks the last field, and that shorter size is the one that
// SystemParametersInfoW takes on every Windows; the ...ForDpi function gets
// the full one.
struct VistaNonClientMetrics {
    NONCLIENTMETRICSW metrics;
    int paddedBorderWidth;
};

DpiPlan plan() {
    static const DpiPlan chosen = chooseDpiPlan(systemCalls().found());
    return chosen;
}

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : defaultDpi;
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
    if (plan().metricsForDpi) {
        VistaNonClientMetrics full{};
        full.metrics.cbSize = sizeof full;
        if (systemCalls().SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof full, &full, 0,
                                                     dpi)) {
            return CreateFontIndirectW(&full.metrics.lfMessageFont);
        }
    }
    // The system's own metrics are at the system DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW& font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return CreateFontIndirectW(&font);
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
