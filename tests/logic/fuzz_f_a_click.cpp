// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// libFuzzer target: random UTF-16 text through the command and the routines.
// Run longer with: build/tests/logic/fuzz_f_a_click -max_total_time=3600
#include "logic/conversion_command.h"
#include "logic/hex_text.h"
#include "logic/messages.h"
#include "recording_window.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using tovalin::testing::RecordedCall;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool allHex(std::u16string_view s) {
    for (char16_t c : s) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);

    tovalin::testing::RecordingWindow window;
    window.input = text;
    window.output = u"previous";
    tovalin::ConversionCommand command(window);
    command.f_a_Click();

    if (window.calls.size() == 1) {
        const RecordedCall& call = window.calls[0];
        require(call.kind == RecordedCall::Kind::Message && call.buttons == 0);
        require(window.input == text && window.output == u"previous");
        require(command.hex_sj.empty());
        require(text.empty() ? call.title == tovalin::messages::kEmptyTitle
                             : call.title == tovalin::messages::kNotHexTitle && !allHex(text));
    } else {
        require(window.calls.size() == 2 && allHex(text) && !text.empty());
        const std::u16string padded = u"0000000" + text;
        const std::u16string eight = padded.substr(padded.size() - 8);
        require(window.calls[0] == RecordedCall{RecordedCall::Kind::SetInput, eight, 0, {}});
        require(window.calls[1] ==
                RecordedCall{RecordedCall::Kind::SetOutput, tovalin::convert(eight), 0, {}});
        require(command.isHex == -1 && command.hex_sj == eight);
    }

    const std::u16string reversed = tovalin::convert(text);
    require(reversed.size() == text.size());
    if (text.size() % 2 == 0) {
        require(tovalin::convert(reversed) == text);
    }
    return 0;
}
