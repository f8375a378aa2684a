// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "form1.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program.h"
#include "platform/win32/system_calls.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tovalin::platform::restrictDllSearch();
    try {
        tovalin::Form1 form(instance);
        return tovalin::platform::runMessageLoop(form.handle());
    } catch (const std::exception& e) {
        tovalin::platform::reportFailure(nullptr, e.what());
    }
    return 1;
}
