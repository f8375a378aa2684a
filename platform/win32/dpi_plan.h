// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// How the window finds its DPI and scales its font and frame, chosen from the
// functions this Windows has. Plain C++, so that every Windows can be tested
// anywhere.
#pragma once

namespace tovalin::platform {

// Functions newer than Windows XP that were found at run time.
struct DpiFunctionsFound {
    bool getDpiForWindow = false;            // user32, Windows 10 1607
    bool adjustWindowRectExForDpi = false;   // user32, Windows 10 1607
    bool systemParametersInfoForDpi = false; // user32, Windows 10 1607
    bool getDpiForMonitor = false;           // shcore, Windows 8.1
};

enum class DpiSource {
    Window,  // the window's own DPI; the manifest makes the process per-monitor (v2 from 1703)
    Monitor, // the DPI of the window's monitor; per-monitor awareness from the manifest
    System,  // the system DPI, one for the whole session (XP to 8)
};

struct DpiPlan {
    DpiSource source;
    // Message font and window frame from the ...ForDpi functions; without them
    // both come from the system's metrics, the font scaled from the system DPI.
    bool metricsForDpi;

    bool operator==(const DpiPlan&) const = default;
};

constexpr DpiPlan chooseDpiPlan(const DpiFunctionsFound& found) {
    const DpiSource source = found.getDpiForWindow    ? DpiSource::Window
                             : found.getDpiForMonitor ? DpiSource::Monitor
                                                      : DpiSource::System;
    return {source, found.adjustWindowRectExForDpi && found.systemParametersInfoForDpi};
}

} // namespace tovalin::platform
