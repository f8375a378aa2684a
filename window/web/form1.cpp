// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Form1 on the page, compiled to WebAssembly: its window operations are the
// page's own functions, imported from JavaScript, and the page calls f_a_Click
// when the button is pressed. Text crosses as
// UTF-16 code units in the module's memory.
#include "logic/conversion_command.h"
#include "logic/window_ops.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#define TOVALIN_IMPORT(name) __attribute__((import_module("page"), import_name(name)))

extern "C" {
TOVALIN_IMPORT("inputLength") std::size_t page_inputLength();
TOVALIN_IMPORT("readInput") void page_readInput(char16_t* into);
TOVALIN_IMPORT("setInput") void page_setInput(const char16_t* text, std::size_t length);
TOVALIN_IMPORT("setOutput") void page_setOutput(const char16_t* text, std::size_t length);
TOVALIN_IMPORT("showMessage")
void page_showMessage(const char16_t* prompt, std::size_t promptLength, std::int32_t buttons,
                      const char16_t* title, std::size_t titleLength);
}

namespace {

class PageWindow final : public tovalin::WindowOps {
public:
    std::u16string getInputText() override {
        std::u16string text(page_inputLength(), u'\0');
        page_readInput(text.data());
        return text;
    }
    void setInputText(std::u16string_view text) override {
        page_setInput(text.data(), text.size());
    }
    void setOutputText(std::u16string_view text) override {
        page_setOutput(text.data(), text.size());
    }
    // The page's dialog is modal; the command does nothing after showing it.
    void showMessage(std::u16string_view prompt, std::int32_t buttons,
                     std::u16string_view title) override {
        page_showMessage(prompt.data(), prompt.size(), buttons, title.data(), title.size());
    }
};

// The window and its command live as long as the page.
PageWindow window;
tovalin::ConversionCommand command(window);

} // namespace

extern "C" __attribute__((export_name("f_a_Click"))) void f_a_Click() {
    command.f_a_Click();
}
