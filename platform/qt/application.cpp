// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "application.h"

#include "platform/failure_text.h"
#include "qt_text.h"

#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace tovalin::platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Qt's zh_CN translation is compiled into the program, so nothing is read from disk.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm"))) {
        installTranslator(translator);
    }
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportFailure(e.what());
    } catch (...) {
        reportFailure("unknown exception");
    }
    return false;
}

void Application::reportFailure(const char* what) {
    QMessageBox::critical(nullptr, QStringLiteral("Tovalin"),
                          toQString(kUnexpectedFailure) + u'\n' + QString::fromUtf8(what));
    QCoreApplication::exit(1);
}

} // namespace tovalin::platform
