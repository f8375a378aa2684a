// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// From a paste into file_sj to the result shown, with the real window: pastes
// N hex digits ending in DEADBEEF with Ctrl+V, paints, clicks the arrow,
// paints again. Prints the times and the peak memory for each size.
// Run on an X server: xvfb-run -a build/bench/paste/paste_bench
#include "platform/qt/application.h"
#include "window/qt/form1.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>

namespace {

QString digits(qsizetype count) {
    QString text = QString("0123456789abcdef").repeated(count / 16 + 1);
    text.truncate(count - 8);
    return text + "DEADBEEF";
}

long peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
    tovalin::platform::Application app(argc, argv);
    tovalin::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    auto* input = form.findChild<QLineEdit*>("file_sj");
    auto* output = form.findChild<QLineEdit*>("asm_sj");
    auto* arrow = form.findChild<QPushButton*>("f_a");

    std::printf("%12s %14s %14s %12s %10s\n", "digits", "paste+paint", "click+paint", "total",
                "peak RSS");
    for (qsizetype count : {qsizetype(1'000), qsizetype(1'000'000), qsizetype(10'000'000)}) {
        for (int run = 0; run < (count < 10'000'000 ? 3 : 1); ++run) {
            input->clear();
            output->clear();
            input->setFocus();
            QGuiApplication::clipboard()->setText(digits(count));
            app.processEvents();

            QElapsedTimer timer;
            timer.start();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
            QApplication::sendEvent(input, &press);
            form.repaint();
            const qint64 pasted = timer.nsecsElapsed();
            const bool whole = input->text().size() == count;
            arrow->click();
            form.repaint();
            const qint64 shown = timer.nsecsElapsed();

            const bool right = whole && output->text() == QLatin1String("EFBEADDE");
            std::printf("%12lld %11.1f ms %11.1f ms %9.1f ms %6ld MiB%s\n",
                        static_cast<long long>(count), pasted / 1e6, (shown - pasted) / 1e6,
                        shown / 1e6, peakMiB(), right ? "" : "  WRONG RESULT");
        }
    }
    return 0;
}
