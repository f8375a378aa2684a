// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "hex_text.h"

#include "platform/text.h"

#include <algorithm>

namespace tovalin {

namespace {

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

} // namespace

bool panduanHex(std::u16string_view text) {
    if (text::length(text) == 0) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), isHexDigit);
}

std::u16string convert(std::u16string_view text) {
    const std::size_t n = text::length(text);
    std::u16string result;
    result.reserve(n);
    if (n == 0) {
        return result;
    }
    // Each group goes in front of the ones before it, so appending the groups
    // from last to first builds the same text in one linear pass.
    const std::size_t lastGroup = (n - 1) / 2 * 2 + 1; // 1-based start of the last group
    for (std::size_t i = lastGroup;; i -= 2) {
        result += text::charsFrom(text, i, 2);
        if (i == 1) {
            break;
        }
    }
    return result;
}

} // namespace tovalin
