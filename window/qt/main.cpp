// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "form1.h"
#include "platform/qt/application.h"

#include <QScreen>

#include <exception>

int main(int argc, char** argv) {
    tovalin::platform::Application app(argc, argv);
    try {
        tovalin::Form1 form;
        // Open centred on the screen.
        const QRect screen = form.screen()->availableGeometry();
        form.move(screen.center() - form.rect().center());
        form.show();
        return app.exec();
    } catch (const std::exception& e) {
        tovalin::platform::Application::reportFailure(e.what());
    }
    return 1;
}
