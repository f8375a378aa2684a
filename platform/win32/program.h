// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

namespace tovalin::platform {

// Runs the message loop until the program posts its quit message and returns
// its exit code. Tab, Shift+Tab and Enter are handled as in a dialog.
int runMessageLoop(HWND mainWindow);

} // namespace tovalin::platform
