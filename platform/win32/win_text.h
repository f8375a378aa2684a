// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The core's UTF-16 text and Win32's wide strings are the same code units.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tovalin::platform {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// A NUL-terminated copy for the W functions.
inline std::wstring toWide(std::u16string_view s) {
    return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size());
}

inline std::u16string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()),
                          static_cast<std::size_t>(copied));
}

inline void setWindowText(HWND window, std::u16string_view text) {
    SetWindowTextW(window, toWide(text).c_str());
}

} // namespace tovalin::platform
