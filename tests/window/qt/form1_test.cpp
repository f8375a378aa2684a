// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Form1 through real widgets on the offscreen platform: layout, focus, the
// conversion by mouse and keyboard, and the message boxes.
#include "platform/qt/application.h"
#include "window/qt/font_fit.h"
#include "window/qt/form1.h"

#include <QAccessible>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using tovalin::Form1;

namespace {

// What a message box showed, read while it was open.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QStringList buttons;
    bool buttonHasIcon = true;
    Qt::WindowModality modality = Qt::NonModal;
    QPoint centre;
};

enum class CloseBy { Button, Enter, Escape, TitleBar };

// Waits for the next modal message box, records it and closes it as a person would.
void answerNextBox(SeenBox* seen, CloseBy how, int triesLeft = 200) {
    QTimer::singleShot(5, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            if (triesLeft > 0) {
                answerNextBox(seen, how, triesLeft - 1);
            }
            return;
        }
        seen->seen = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << button->text();
            seen->buttonHasIcon = !button->icon().isNull();
        }
        seen->modality = box->windowModality();
        seen->centre = box->frameGeometry().center();
        switch (how) {
        case CloseBy::Button:
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
            break;
        case CloseBy::Enter:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case CloseBy::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case CloseBy::TitleBar:
            box->close();
            break;
        }
    });
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutMatchesTable_data();
    void layoutMatchesTable();
    void windowIsFixedSizeWithoutMaximise();
    void captions();
    void focusStartsInInputAndTabCycles();
    void outputIsReadOnlyButCopies();
    void convertsTypedText_data();
    void convertsTypedText();
    void enterAndSpacePressConvert_data();
    void enterAndSpacePressConvert();
    void secondClickWithoutEditing();
    void messageBoxes_data();
    void messageBoxes();
    void earlierResultSurvivesBadInput();
    void fontFitsEveryCaption();
    void tooLargeFontShrinksKeepingFamily();
    void accessibleNames();
    void contextMenuIsChinese();
    void pastesTakeTheFirstLineWhole_data();
    void pastesTakeTheFirstLineWhole();

private:
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QPushButton* button() const { return form->findChild<QPushButton*>("f_a"); }
    void type(const QString& text);

    std::unique_ptr<Form1> form;
};

void Form1Test::init() {
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void Form1Test::cleanup() {
    form.reset();
}

void Form1Test::type(const QString& text) {
    QLineEdit* input = box("file_sj");
    input->clear();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(input, c.toLatin1());
        } else {
            // Characters beyond ASCII arrive from an input method, as with a Chinese IME.
            QInputMethodEvent event;
            event.setCommitString(QString(c));
            QApplication::sendEvent(input, &event);
        }
    }
    QCOMPARE(input->text(), text);
}

void Form1Test::layoutMatchesTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << QRect(8, 8, 81, 17);
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << QRect(224, 8, 81, 17);
    QTest::newRow("file_sj") << "file_sj"
                             << "QLineEdit" << QRect(8, 32, 169, 18);
    QTest::newRow("asm_sj") << "asm_sj"
                            << "QLineEdit" << QRect(224, 32, 169, 18);
    QTest::newRow("f_a") << "f_a"
                         << "QPushButton" << QRect(184, 32, 33, 17);
}

void Form1Test::layoutMatchesTable() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, rect);
    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QVERIFY2(widget->inherits(qPrintable(className)), widget->metaObject()->className());
    QCOMPARE(widget->geometry(), rect);
    QVERIFY(widget->isVisible());
    QCOMPARE(form->size(), QSize(405, 65));
}

void Form1Test::windowIsFixedSizeWithoutMaximise() {
    QCOMPARE(form->minimumSize(), QSize(405, 65));
    QCOMPARE(form->maximumSize(), QSize(405, 65));
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
}

void Form1Test::captions() {
    QCOMPARE(form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Tovalin"));
    QCOMPARE(form->findChild<QLabel*>("Label1")->text(),
             QString::fromUtf16(u"\u8f6c\u6362\u524d\u7684\u6570\u636e:"));
    QCOMPARE(form->findChild<QLabel*>("Label2")->text(),
             QString::fromUtf16(u"\u8f6c\u6362\u540e\u7684\u6570\u636e:"));
    QCOMPARE(button()->text(), QStringLiteral("->"));
    QCOMPARE(box("file_sj")->text(), QString());
    QCOMPARE(box("asm_sj")->text(), QString());
}

void Form1Test::focusStartsInInputAndTabCycles() {
    QTRY_COMPARE(QApplication::focusWidget(), box("file_sj"));
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    QCOMPARE(box("file_sj")->text(), QStringLiteral("ab"));

    const QList<QWidget*> order{box("asm_sj"), button(), box("file_sj"), box("asm_sj")};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), expected);
    }
    QCOMPARE(form->findChild<QLabel*>("Label1")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(form->findChild<QLabel*>("Label2")->focusPolicy(), Qt::NoFocus);
}

void Form1Test::outputIsReadOnlyButCopies() {
    type("1234");
    QTest::mouseClick(button(), Qt::LeftButton);
    QLineEdit* output = box("asm_sj");
    QVERIFY(output->isReadOnly());
    output->setFocus();
    QTest::keyClicks(output, "99");
    QCOMPARE(output->text(), QStringLiteral("34120000"));

    QApplication::clipboard()->clear();
    QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("34120000"));
}

void Form1Test::convertsTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("one") << "1"
                         << "00000001"
                         << "01000000";
    QTest::newRow("short") << "1234"
                           << "00001234"
                           << "34120000";
    QTest::newRow("eight") << "12345678"
                           << "12345678"
                           << "78563412";
    QTest::newRow("lower case kept") << "abcdef"
                                     << "00abcdef"
                                     << "efcdab00";
    QTest::newRow("ten digits") << "123456789A"
                                << "3456789A"
                                << "9A785634";
    QTest::newRow("zeros") << "00000000"
                           << "00000000"
                           << "00000000";
}

void Form1Test::convertsTypedText() {
    QFETCH(QString, typed);
    QFETCH(QString, input);
    QFETCH(QString, output);
    type(typed);
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(box("file_sj")->text(), input);
    QCOMPARE(box("asm_sj")->text(), output);
    QCOMPARE(form->command().isHex, -1);
    QCOMPARE(QString::fromStdU16String(form->command().hex_sj), input);
}

void Form1Test::enterAndSpacePressConvert_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onButton");
    QTest::newRow("Return in input") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("keypad Enter in input")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("Space on button") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
}

void Form1Test::enterAndSpacePressConvert() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onButton);
    type("abc");
    QWidget* target = onButton ? static_cast<QWidget*>(button()) : box("file_sj");
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box("file_sj")->text(), QStringLiteral("00000abc"));
    QCOMPARE(box("asm_sj")->text(), QStringLiteral("bc0a0000"));
}

void Form1Test::secondClickWithoutEditing() {
    type("1");
    QTest::mouseClick(button(), Qt::LeftButton);
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(box("file_sj")->text(), QStringLiteral("00000001"));
    QCOMPARE(box("asm_sj")->text(), QStringLiteral("01000000"));
}

void Form1Test::messageBoxes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("closeBy");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString notice = QString::fromUtf16(u"\u63d0\u793a");
    const QString emptyText = QString::fromUtf16(u"\u8bf7\u8f93\u5165"
                                                 u"16\u8fdb\u5236\u6587\u672c!");
    const QString warning = QString::fromUtf16(u"\u8b66\u544a");
    const QString notHexText = QString::fromUtf16(u"\u4f60\u8f93\u5165\u7684\u4e0d\u662f"
                                                  u"16\u8fdb\u5236\u6587\u672c!");
    QTest::newRow("empty, OK button") << "" << int(CloseBy::Button) << notice << emptyText;
    QTest::newRow("empty, Escape") << "" << int(CloseBy::Escape) << notice << emptyText;
    QTest::newRow("leading space, Enter") << " 12" << int(CloseBy::Enter) << warning << notHexText;
    QTest::newRow("trailing space, title bar")
        << "12 " << int(CloseBy::TitleBar) << warning << notHexText;
    QTest::newRow("0x prefix") << "0x12" << int(CloseBy::Button) << warning << notHexText;
    QTest::newRow("h suffix") << "12h" << int(CloseBy::Button) << warning << notHexText;
    QTest::newRow("full-width digits")
        << QString::fromUtf16(u"\uff11\uff12") << int(CloseBy::Button) << warning << notHexText;
}

void Form1Test::messageBoxes() {
    QFETCH(QString, typed);
    QFETCH(int, closeBy);
    QFETCH(QString, title);
    QFETCH(QString, text);
    type(typed);
    SeenBox seen;
    answerNextBox(&seen, CloseBy(closeBy));

    QTest::mouseClick(button(), Qt::LeftButton); // returns once the box is closed

    QVERIFY(seen.seen);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{QString::fromUtf16(u"\u786e\u5b9a")});
    QVERIFY(!seen.buttonHasIcon);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY((seen.centre - form->frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(box("file_sj")->text(), typed);
    QCOMPARE(box("asm_sj")->text(), QString());
}

void Form1Test::earlierResultSurvivesBadInput() {
    type("12345678");
    QTest::mouseClick(button(), Qt::LeftButton);
    type("G1");
    SeenBox seen;
    answerNextBox(&seen, CloseBy::Button);
    QTest::mouseClick(button(), Qt::LeftButton);
    QVERIFY(seen.seen);
    QCOMPARE(box("file_sj")->text(), QStringLiteral("G1"));
    QCOMPARE(box("asm_sj")->text(), QStringLiteral("78563412"));
    QCOMPARE(form->command().isHex, 0);
    QCOMPARE(QString::fromStdU16String(form->command().hex_sj), QStringLiteral("12345678"));
}

void Form1Test::fontFitsEveryCaption() {
    // Measured against the real widgets, not the assumptions the fit makes.
    QVERIFY(tovalin::captionsFit(form->font()));
    const QFontMetrics metrics(form->font());
    for (const char* name : {"Label1", "Label2"}) {
        auto* label = form->findChild<QLabel*>(name);
        QVERIFY(metrics.horizontalAdvance(label->text()) <= label->width());
        QVERIFY(metrics.height() <= label->height());
    }
    for (const char* name : {"file_sj", "asm_sj"}) {
        QLineEdit* edit = box(name);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        QVERIFY(metrics.horizontalAdvance("DDDDDDDD") + 4 + margins.left() + margins.right() <=
                contents.width());
        QVERIFY(metrics.height() <= contents.height());
    }
    QVERIFY(metrics.horizontalAdvance(button()->text()) < button()->width());
}

void Form1Test::tooLargeFontShrinksKeepingFamily() {
    QFont large = form->font();
    large.setPointSizeF(20);
    QVERIFY(!tovalin::captionsFit(large));
    const QFont fitted = tovalin::fittingFont(large);
    QCOMPARE(fitted.family(), large.family());
    QVERIFY(tovalin::captionsFit(fitted));
    QFont halfPointLarger = fitted;
    halfPointLarger.setPointSizeF(fitted.pointSizeF() + 0.5);
    QVERIFY(!tovalin::captionsFit(halfPointLarger));
}

void Form1Test::accessibleNames() {
    QCOMPARE(form->findChild<QLabel*>("Label1")->buddy(), box("file_sj"));
    QCOMPARE(form->findChild<QLabel*>("Label2")->buddy(), box("asm_sj"));
    QVERIFY(!button()->accessibleName().isEmpty());
    QVERIFY(!button()->accessibleDescription().isEmpty());
    QVERIFY(button()->accessibleName() != button()->text());
    QCOMPARE(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
}

void Form1Test::contextMenuIsChinese() {
    std::unique_ptr<QMenu> menu(box("asm_sj")->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    QVERIFY2(texts.contains(QString::fromUtf16(u"\u590d\u5236(&C)")), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(QString::fromUtf16(u"\u5168\u9009")), qPrintable(texts.join('|')));
}

enum class PasteBy { CtrlV, ShiftInsert, ContextMenu, Drop };

void Form1Test::pastesTakeTheFirstLineWhole_data() {
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength"); // 0: the cursor at selStart
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("output"); // after a click

    const QString digits = QString("0123456789abcdef").repeated(2500) + "DEADBEEF";
    QTest::newRow("40,008 digits, Ctrl+V")
        << int(PasteBy::CtrlV) << "" << 0 << 0 << digits << digits << "EFBEADDE";
    QTest::newRow("line ending dropped") << int(PasteBy::CtrlV) << "" << 0 << 0 << "DEADBEEF\n"
                                         << "DEADBEEF"
                                         << "EFBEADDE";
    QTest::newRow("CR LF, Shift+Insert") << int(PasteBy::ShiftInsert) << "" << 0 << 0 << "12\r\n34"
                                         << "12"
                                         << "12000000";
    QTest::newRow("LF mid-text") << int(PasteBy::CtrlV) << "ABCD" << 2 << 0 << "12\n34"
                                 << "AB12CD"
                                 << "CD12AB00";
    QTest::newRow("CR LF over a selection, menu")
        << int(PasteBy::ContextMenu) << "ABCDEF" << 1 << 2 << "12\r\n34"
        << "A12DEF"
        << "EF2DA100";
    QTest::newRow("CR, dropped at the end") << int(PasteBy::Drop) << "AB" << 2 << 0 << "12\r34"
                                            << "AB12"
                                            << "12AB0000";
}

void Form1Test::pastesTakeTheFirstLineWhole() {
    QFETCH(int, by);
    QFETCH(QString, before);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QString, output);
    QLineEdit* input = box("file_sj");
    input->clear();
    QTest::keyClicks(input, before); // typed, so that undo has more than the paste
    input->setSelection(selStart, selLength);
    input->setFocus();
    QApplication::clipboard()->setText(pasted);
    switch (PasteBy(by)) {
    case PasteBy::CtrlV:
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        break;
    case PasteBy::ShiftInsert:
        QTest::keyClick(input, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PasteBy::ContextMenu:
        // Pick the menu's paste entry once it is open.
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QAction* paste = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QString::fromUtf16(u"\u7c98\u8d34"))) { // 粘贴
                    paste = action;
                }
            }
            if (paste != nullptr) {
                menu->setActiveAction(paste);
                QTest::keyClick(menu, Qt::Key_Return);
            }
            menu->close();
        });
        {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    input->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(input, &event);
        }
        break;
    case PasteBy::Drop: {
        QMimeData data;
        data.setText(pasted);
        const QPoint end(input->width() - 2, 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(input, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(input, &drop);
        break;
    }
    }
    QCOMPARE(input->text(), after);
    if (by != int(PasteBy::Drop)) { // a paste is one step to undo, as QLineEdit's own
        QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input->text(), before);
        QTest::keyClick(input, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(input->text(), after);
    }
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(input->text(), after.right(8).rightJustified(8, '0'));
    QCOMPARE(box("asm_sj")->text(), output);
}

int main(int argc, char** argv) {
    tovalin::platform::Application app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_test.moc"
