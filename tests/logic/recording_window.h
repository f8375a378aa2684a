// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// A stand-in window that records every call the command makes, in order.
#pragma once

#include "logic/window_ops.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovalin::testing {

struct RecordedCall {
    enum class Kind { SetInput, SetOutput, Message };
    Kind kind;
    std::u16string text; // the box text, or the prompt
    std::int32_t buttons = 0;
    std::u16string title;

    bool operator==(const RecordedCall&) const = default;
};

class RecordingWindow : public WindowOps {
public:
    std::u16string input;
    std::u16string output;
    std::vector<RecordedCall> calls;

    std::u16string getInputText() override { return input; }
    void setInputText(std::u16string_view text) override {
        input = text;
        calls.push_back({RecordedCall::Kind::SetInput, input, 0, {}});
    }
    void setOutputText(std::u16string_view text) override {
        output = text;
        calls.push_back({RecordedCall::Kind::SetOutput, output, 0, {}});
    }
    void showMessage(std::u16string_view prompt, std::int32_t buttons,
                     std::u16string_view title) override {
        calls.push_back(
            {RecordedCall::Kind::Message, std::u16string(prompt), buttons, std::u16string(title)});
    }
};

} // namespace tovalin::testing
