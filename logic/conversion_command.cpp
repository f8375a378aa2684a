// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "conversion_command.h"

#include "hex_text.h"
#include "messages.h"
#include "platform/text.h"

namespace tovalin {

void ConversionCommand::f_a_Click() {
    // Nothing can change the box while this runs, so one read serves every step.
    const std::u16string input = window_.getInputText();
    if (text::same(input, u"")) {
        window_.showMessage(messages::kEmptyPrompt, messages::kOkOnly, messages::kEmptyTitle);
        return;
    }

    isHex = panduanHex(input) ? -1 : 0;
    if (isHex == 0) {
        window_.showMessage(messages::kNotHexPrompt, messages::kOkOnly, messages::kNotHexTitle);
        return;
    }

    // The last eight characters of "0000000" followed by the input: short input
    // is padded with zeros on the left, long input keeps its last eight. Built
    // from the input's tail so that a long input is not copied again.
    const std::u16string_view tail = text::rightmost(input, 8);
    hex_sj.assign(8 - tail.size(), u'0');
    hex_sj += tail;

    window_.setInputText(hex_sj);
    window_.setOutputText(convert(hex_sj));
}

} // namespace tovalin
