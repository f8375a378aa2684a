// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// What the program says before it ends on something unexpected, on either toolkit.
#pragma once

#include <string_view>

namespace tovalin::platform {

inline constexpr std::u16string_view kUnexpectedFailure = u"程序出现意外错误，即将退出。";

} // namespace tovalin::platform
