// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string_view>

class QWidget;

namespace tovalin::platform {

// An application-modal box over `owner` with one OK button and no icon, as
// buttons value 0 asks; returns once the user has closed it.
void showMessageBox(QWidget* owner, std::u16string_view prompt, std::int32_t buttons,
                    std::u16string_view title);

} // namespace tovalin::platform
