// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The two messages the command shows, with their titles and buttons value.
#pragma once

#include <cstdint>
#include <string_view>

namespace tovalin::messages {

// A single OK button, no icon.
inline constexpr std::int32_t kOkOnly = 0;

inline constexpr std::u16string_view kEmptyPrompt = u"请输入16进制文本!";
inline constexpr std::u16string_view kEmptyTitle = u"提示";

inline constexpr std::u16string_view kNotHexPrompt = u"你输入的不是16进制文本!";
inline constexpr std::u16string_view kNotHexTitle = u"警告";

} // namespace tovalin::messages
