// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "system_calls.h"

#include <string>

namespace tovalin::platform {

namespace {

// The LOAD_LIBRARY_SEARCH_* flags exist where AddDllDirectory does.
bool hasSearchFlags() {
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
}

} // namespace

DpiFunctionsFound SystemCalls::found() const {
    return {GetDpiForWindow != nullptr, AdjustWindowRectExForDpi != nullptr,
            SystemParametersInfoForDpi != nullptr, GetDpiForMonitor != nullptr};
}

const SystemCalls& systemCalls() {
    static const SystemCalls calls = [] {
        SystemCalls c;
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        lookUp(user32, "GetDpiForWindow", c.GetDpiForWindow);
        lookUp(user32, "AdjustWindowRectExForDpi", c.AdjustWindowRectExForDpi);
        lookUp(user32, "SystemParametersInfoForDpi", c.SystemParametersInfoForDpi);
        // The monitor's DPI is only wanted where the window's is not to be had
        // (Windows 8.1): elsewhere shcore.dll is not loaded at all.
        if (c.GetDpiForWindow == nullptr) {
            lookUp(loadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor", c.GetDpiForMonitor);
        }
        return c;
    }();
    return calls;
}

void restrictDllSearch() {
    BOOL(WINAPI * setDefaultDllDirectories)(DWORD) = nullptr;
    lookUp(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories", setDefaultDllDirectories);
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

HMODULE loadSystemLibrary(const wchar_t* name) {
    if (hasSearchFlags()) {
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    // XP, or an unpatched Vista or 7: name the file by its full path in the system folder.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L'\\' + name;
    return LoadLibraryExW(path.c_str(), nullptr, 0);
}

} // namespace tovalin::platform
