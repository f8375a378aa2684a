// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The convert button's command: checks the input box, normalises it to eight
// hex digits, writes it back and puts the byte-reversed text in the output box.
#pragma once

#include "window_ops.h"

#include <cstdint>
#include <string>

namespace tovalin {

class ConversionCommand {
public:
    explicit ConversionCommand(WindowOps& window) : window_(window) {}

    // Runs once per click of the convert button.
    void f_a_Click();

    // Result of the last hex check: -1 for true, 0 for false.
    std::int32_t isHex = 0;
    // The last normalised eight-digit text.
    std::u16string hex_sj;

private:
    WindowOps& window_;
};

} // namespace tovalin
