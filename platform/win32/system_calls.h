// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Windows functions newer than Windows XP, looked up at run time: each pointer
// is null where this Windows lacks the function. DLLs are loaded from the
// system folder only, so that one planted beside the executable is never used.
#pragma once

#include "dpi_plan.h"

#include <windows.h>

namespace tovalin::platform {

struct SystemCalls {
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* SystemParametersInfoForDpi)(UINT, UINT, void*, UINT, UINT) = nullptr;
    // MONITOR_DPI_TYPE is an int; 0 asks for the effective DPI.
    HRESULT(WINAPI* GetDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;

    DpiFunctionsFound found() const;
};

// Looked up once, on first use.
const SystemCalls& systemCalls();

// Makes the system folder the only place this process loads DLLs from by
// name, where Windows can (Windows 8, or Vista and 7 with KB2533623).
void restrictDllSearch();

// Loads a DLL of Windows' own from the system folder; null when it is not there.
HMODULE loadSystemLibrary(const wchar_t* name);

// Sets `function` to the export `name` of `module`, or leaves it null. Casts
// through FARPROC's generic function pointer type to the one asked for.
template <typename Function> void lookUp(HMODULE module, const char* name, Function& function) {
    if (module != nullptr) {
        function =
            reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }
}

} // namespace tovalin::platform
