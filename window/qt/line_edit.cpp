// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "line_edit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <limits>
#include <memory>

namespace tovalin {

QString firstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            return text.first(i);
        }
    }
    return text;
}

LineEdit::LineEdit(QWidget* parent) : QLineEdit(parent) {
    // QLineEdit keeps 32,767 characters unless told otherwise.
    setMaxLength(std::numeric_limits<int>::max());
}

void LineEdit::pasteLine(QClipboard::Mode mode) {
    if (isReadOnly()) {
        return;
    }
    const QString line = firstLine(QGuiApplication::clipboard()->text(mode));
    if (line.isEmpty() && !hasSelectedText()) {
        return;
    }
    // QLineEdit starts a new undo step whenever its cursor moves: step it away
    // and back, so that Ctrl+Z takes back the paste alone, as after its own paste.
    const int cursor = cursorPosition();
    const int selStart = selectionStart();
    const int selLength = selectionLength();
    setCursorPosition(cursor == 0 ? text().size() : 0);
    if (selLength > 0) {
        setSelection(selStart, selLength);
    } else {
        setCursorPosition(cursor);
    }
    insert(line);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
    // Ctrl+V and Shift+Insert.
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteLine();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 selection, pasted with the middle button at the cursor that the
    // press has placed.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The menu's Paste entry: named "edit-paste" in newer Qt, and known by
    // Qt's own (translated) label in every Qt. Whatever Qt wired it to in this
    // line edit, it pastes the first line instead.
    const QString pasteLabel = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1StringView("edit-paste") ||
            action->text().section(u'\t', 0, 0) == pasteLabel) {
            disconnect(action, nullptr, this, nullptr);
            connect(action, &QAction::triggered, this, [this] { pasteLine(); });
        }
    }
    menu->exec(event->globalPos());
}

void LineEdit::dropEvent(QDropEvent* event) {
    const QString text = event->mimeData()->text();
    const QString line = firstLine(text);
    if (line.size() == text.size()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData firstLineOnly;
    firstLineOnly.setText(line);
    QDropEvent drop(event->position(), event->possibleActions(), &firstLineOnly, event->buttons(),
                    event->modifiers(), event->type());
    drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

} // namespace tovalin
