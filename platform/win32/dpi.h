// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The window's DPI, and the message font and window frame at a DPI, on every
// Windows from XP on: per-window DPI on Windows 10, per-monitor on 8.1, the
// system DPI on XP, Vista, 7 and 8.
#pragma once

#include <windows.h>

namespace tovalin::platform {

// The DPI the window is shown at now.
UINT dpiOf(HWND window);

// The system's message-box font at `dpi`; the caller deletes it.
HFONT createMessageFont(UINT dpi);

// Grows a client rectangle to the window rectangle for `style` at `dpi`.
void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

} // namespace tovalin::platform
