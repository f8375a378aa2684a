// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// What the conversion command needs of its window: the input box's text,
// both boxes written, and a modal message box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tovalin {

class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual std::u16string getInputText() = 0;
    virtual void setInputText(std::u16string_view text) = 0;
    virtual void setOutputText(std::u16string_view text) = 0;
    // Returns once the user has closed the application-modal box.
    virtual void showMessage(std::u16string_view prompt, std::int32_t buttons,
                             std::u16string_view title) = 0;

protected:
    WindowOps() = default;
    WindowOps(const WindowOps&) = default;
    WindowOps& operator=(const WindowOps&) = default;
};

} // namespace tovalin
