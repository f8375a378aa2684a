// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "message_box.h"

#include "qt_text.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace tovalin::platform {

namespace {

// QMessageBox only finds its final size once shown, after QDialog has placed
// it; place it again then so that it sits centred over its owner.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (const QWidget* owner = parentWidget()) {
            move(owner->frameGeometry().center() -
                 QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
};

} // namespace

void showMessageBox(QWidget* owner, std::u16string_view prompt, std::int32_t buttons,
                    std::u16string_view title) {
    // Only buttons value 0 (OK alone, no icon) is ever asked for.
    Q_UNUSED(buttons);
    CentredMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(prompt), QMessageBox::Ok,
                          owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain button, as on Windows
    box.exec();
}

} // namespace tovalin::platform
