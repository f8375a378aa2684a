// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Conversions between the core's UTF-16 text and QString, unit for unit.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tovalin::platform {

inline QString toQString(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline std::u16string fromQString(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()),
                          static_cast<std::size_t>(s.size()));
}

} // namespace tovalin::platform
