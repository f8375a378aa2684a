// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The program's one window on Win32: two STATIC labels, the EDIT boxes file_sj
// and asm_sj and the BUTTON f_a, placed from the shared twips table at the
// window's DPI. Form1 owns the convert command and gives it the window operations.
#pragma once

#include "logic/conversion_command.h"
#include "logic/window_ops.h"
#include "window/layout.h"

#include <windows.h>

#include <array>

namespace tovalin {

class Form1 : private WindowOps {
public:
    // Registers the class, creates the window and its controls, and shows it
    // centred on its screen with the focus in file_sj.
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The controls' handles, in the order of layout::kControls.
    std::array<HWND*, layout::kControls.size()> controls();
    void createControls(HINSTANCE instance);
    void applyDpi(UINT dpi);

    std::u16string getInputText() override;
    void setInputText(std::u16string_view text) override;
    void setOutputText(std::u16string_view text) override;
    void showMessage(std::u16string_view prompt, std::int32_t buttons,
                     std::u16string_view title) override;

    void f_a_Click();

    HWND hwnd_ = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND file_sj = nullptr;
    HWND asm_sj = nullptr;
    HWND f_a = nullptr;
    HFONT font_ = nullptr;
    HWND focusOnDeactivate_ = nullptr;
    ConversionCommand command_;
};

} // namespace tovalin
