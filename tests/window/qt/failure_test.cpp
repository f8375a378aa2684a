// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// An exception escaping an event handler is reported in a message box, and the
// program then ends with a non-zero status instead of crashing.
#include "platform/qt/application.h"

#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace {

class Throwing : public QObject {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("out of memory, say");
        }
        return QObject::event(event);
    }
};

} // namespace

int main(int argc, char** argv) {
    tovalin::platform::Application app(argc, argv);
    Throwing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));

    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seenText = box->text();
            seenIcon = box->icon();
            box->accept();
        }
    });
    poll.start(10);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); }); // never hang the suite

    const int status = app.exec();
    const bool ok = status == 1 && seenIcon == QMessageBox::Critical &&
                    seenText.contains(QStringLiteral("out of memory, say"));
    std::printf("status %d, box %s: %s\n", status, qPrintable(seenText), ok ? "passed" : "FAILED");
    return ok ? 0 : 1;
}
