// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

namespace tovalin {

// `base`, or the largest smaller size of its family at which every caption
// and eight digits fit whole inside their controls at the fixed layout.
QFont fittingFont(const QFont& base);

// Whether every caption and eight hex digits fit whole at `font`.
bool captionsFit(const QFont& font);

} // namespace tovalin
