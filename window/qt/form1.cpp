// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "form1.h"

#include "font_fit.h"
#include "line_edit.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_text.h"
#include "window/layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tovalin {

namespace {

// Qt lays out in logical pixels, 96 per inch; it scales them to the screen.
constexpr int kLogicalDpi = 96;

QRect toRect(const layout::TwipsRect& r) {
    return QRect(layout::toPixels(r.left, kLogicalDpi), layout::toPixels(r.top, kLogicalDpi),
                 layout::toPixels(r.width, kLogicalDpi), layout::toPixels(r.height, kLogicalDpi));
}

template <typename Widget> Widget* place(Widget* widget, const layout::Control& control) {
    widget->setObjectName(
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
    widget->setGeometry(toRect(control.rect));
    return widget;
}

QLabel* makeLabel(QWidget* parent, const layout::Control& control, QWidget* buddy) {
    auto* label = place(new QLabel(platform::toQString(control.caption), parent), control);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy); // a screen reader names the box by its label
    return label;
}

// The icon images compiled into the program, each named for its size.
QIcon compiledInIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        const int size = file.baseName().toInt();
        icon.addFile(file.filePath(), QSize(size, size));
    }
    return icon;
}

// Qt exposes a top-level QWidget as a client area; a screen reader announces
// Form1 as the window it is.
QAccessibleInterface* accessibleForm1(const QString& className, QObject* object) {
    auto* form = qobject_cast<Form1*>(object);
    if (form == nullptr || className != QLatin1String(Form1::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(form, QAccessible::Window);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      command_(*this) {
    static const bool accessibleAsWindow = (QAccessible::installFactory(&accessibleForm1), true);
    Q_UNUSED(accessibleAsWindow);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(platform::toQString(layout::kWindowCaption));
    setWindowIcon(compiledInIcon());
    setFont(fittingFont(font()));

    file_sj = place(new LineEdit(this), layout::kFileSj);
    asm_sj = place(new QLineEdit(this), layout::kAsmSj);
    asm_sj->setReadOnly(true); // selectable and copyable, not editable
    f_a = place(new QPushButton(platform::toQString(layout::kFA.caption), this), layout::kFA);
    f_a->setAutoDefault(false);
    f_a->setAccessibleName(platform::toQString(layout::kConvertAccessibleName));
    f_a->setAccessibleDescription(platform::toQString(layout::kConvertAccessibleDescription));
    Label1 = makeLabel(this, layout::kLabel1, file_sj);
    Label2 = makeLabel(this, layout::kLabel2, asm_sj);

    setTabOrder(file_sj, asm_sj);
    setTabOrder(asm_sj, f_a);
    file_sj->setFocus();

    setFixedSize(layout::toPixels(layout::kClientWidth, kLogicalDpi),
                 layout::toPixels(layout::kClientHeight, kLogicalDpi));

    connect(f_a, &QPushButton::clicked, this, &Form1::f_a_Click);
    connect(file_sj, &QLineEdit::returnPressed, f_a, &QPushButton::click);
}

void Form1::f_a_Click() {
    command_.f_a_Click();
}

std::u16string Form1::getInputText() {
    return platform::fromQString(file_sj->text());
}

void Form1::setInputText(std::u16string_view text) {
    file_sj->setText(platform::toQString(text));
}

void Form1::setOutputText(std::u16string_view text) {
    asm_sj->setText(platform::toQString(text));
}

void Form1::showMessage(std::u16string_view prompt, std::int32_t buttons,
                        std::u16string_view title) {
    platform::showMessageBox(this, prompt, buttons, title);
}

} // namespace tovalin
