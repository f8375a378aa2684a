// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace tovalin::platform {

// MessageBoxW owned by `owner`; buttons value 0 is MB_OK with no icon,
// application-modal. Returns once the user has closed it.
void showMessageBox(HWND owner, std::u16string_view prompt, std::int32_t buttons,
                    std::u16string_view title);

// Reports something unexpected before the program ends.
void reportFailure(HWND owner, const char* what);

} // namespace tovalin::platform
