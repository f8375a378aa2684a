// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// A one-line text box that takes text as a single-line Windows text box does:
// of any length, and from a paste or a drop only what comes before the first
// line break (LF, CR or CR LF), inserted at the cursor over the selection.
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace tovalin {

class LineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit LineEdit(QWidget* parent = nullptr);

    // Pastes the first line of the clipboard's text at the cursor.
    void pasteLine(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// `text` up to its first CR or LF.
QString firstLine(const QString& text);

} // namespace tovalin
