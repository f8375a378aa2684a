// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Text helpers over UTF-16 code units. Lengths count code units, positions
// start at 1, and comparison is by code-unit value, never by locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tovalin::text {

// Number of code units in `s`.
inline std::size_t length(std::u16string_view s) {
    return s.size();
}

// The last `count` code units of `s`; all of `s` when it is shorter.
inline std::u16string_view rightmost(std::u16string_view s, std::size_t count) {
    return count >= s.size() ? s : s.substr(s.size() - count);
}

// Up to `count` code units of `s` from the 1-based position `start`; fewer at
// the end and none past it.
inline std::u16string_view charsFrom(std::u16string_view s, std::size_t start, std::size_t count) {
    if (start == 0 || start > s.size()) {
        return {};
    }
    return s.substr(start - 1, count);
}

// Binary comparison: equal when every code unit is equal.
inline bool same(std::u16string_view a, std::u16string_view b) {
    return a == b;
}

} // namespace tovalin::text
