// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The toolkit's floor for start-up: a bare Qt Widgets window with the same
// five controls and captions as Tovalin's, and nothing else.
#include "window/layout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QRect pixels(const tovalin::layout::TwipsRect& r) {
    return QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15);
}

QString caption(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

} // namespace

int main(int argc, char** argv) {
    using namespace tovalin::layout;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(caption(kWindowCaption));
    window.setFixedSize(kClientWidth / 15, kClientHeight / 15);
    (new QLabel(caption(kLabel1.caption), &window))->setGeometry(pixels(kLabel1.rect));
    (new QLabel(caption(kLabel2.caption), &window))->setGeometry(pixels(kLabel2.rect));
    (new QLineEdit(&window))->setGeometry(pixels(kFileSj.rect));
    (new QLineEdit(&window))->setGeometry(pixels(kAsmSj.rect));
    (new QPushButton(caption(kFA.caption), &window))->setGeometry(pixels(kFA.rect));
    window.show();
    return app.exec();
}
