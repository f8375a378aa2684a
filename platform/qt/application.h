// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>

namespace tovalin::platform {

// The program's QApplication: Qt's own texts in Simplified Chinese whatever
// the system locale, and an unexpected exception reported in a message box
// before the program ends with a non-zero status.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows what went wrong and ends the event loop with status 1.
    static void reportFailure(const char* what);
};

} // namespace tovalin::platform
