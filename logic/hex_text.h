// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Pure routines on the text of a 32-bit value: the hex check and the
// reversal of two-character groups. Neither touches the window.
#pragma once

#include <string>
#include <string_view>

namespace tovalin {

// True when `text` is non-empty and every code unit is 0-9, A-F or a-f.
// Nothing is trimmed: spaces, "0x", "h", separators and full-width digits fail.
bool panduanHex(std::u16string_view text);

// The two-character groups of `text` in reverse order; an odd length leaves
// its last character as a group of one (12345 -> 53412). Case is kept.
std::u16string convert(std::u16string_view text);

} // namespace tovalin
