// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// What Active Accessibility reads for a control whose caption does not say
// what it does, such as a button captioned "->".
#pragma once

#include <windows.h>

#include <string_view>

namespace tovalin::platform {

// What a control is, for a screen reader (oleacc's ROLE_SYSTEM_* values).
enum class AccessibleRole : long { PushButton = 0x2B };

// From now on a screen reader reads `control` as `role`, with this name and
// description; everything else it reads (state, place, actions) stays the
// control's own. The role is said outright, since Wine's standard object
// reads a button as a plain client area. oleacc is loaded from the system
// folder when a reader first asks.
void setAccessibleName(HWND control, AccessibleRole role, std::u16string_view name,
                       std::u16string_view description);

} // namespace tovalin::platform
