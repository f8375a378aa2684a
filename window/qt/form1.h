// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The program's one window: two labels, the input box file_sj, the output box
// asm_sj and the convert button f_a, at the places of the shared twips table.
// Form1 owns the convert command and gives it the four window operations.
#pragma once

#include "logic/conversion_command.h"
#include "logic/window_ops.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tovalin {

class Form1 : public QWidget, private WindowOps {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    const ConversionCommand& command() const { return command_; }

private:
    std::u16string getInputText() override;
    void setInputText(std::u16string_view text) override;
    void setOutputText(std::u16string_view text) override;
    void showMessage(std::u16string_view prompt, std::int32_t buttons,
                     std::u16string_view title) override;

    void f_a_Click();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* file_sj;
    QLineEdit* asm_sj;
    QPushButton* f_a;
    ConversionCommand command_;
};

} // namespace tovalin
