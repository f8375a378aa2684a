// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Works Tovalin's window from another process, as the Win32 driver and the
// paste benchmark do: starts it, finds its controls, reads and writes their
// text and puts text on the clipboard.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tovalin::remote {

// A wait of `milliseconds`, stretched by TOVALIN_WAIT_SCALE where the program
// runs far slower than usual (32-bit Wine under emulation).
inline DWORD scaled(DWORD milliseconds) {
    static const DWORD scale = [] {
        const char* value = std::getenv("TOVALIN_WAIT_SCALE");
        const int parsed = value != nullptr ? std::atoi(value) : 1;
        return parsed > 0 ? static_cast<DWORD>(parsed) : 1u;
    }();
    return milliseconds * scale;
}

inline std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, scaled(5000), &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_BLOCK, scaled(5000), &copied);
    text.resize(copied);
    return text;
}

inline void setText(HWND window, const std::wstring& text) {
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK,
                        scaled(5000), nullptr);
}

inline std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

template <typename Condition> bool waitFor(Condition condition, DWORD milliseconds = 5000) {
    for (DWORD waited = 0; waited < scaled(milliseconds); waited += 20) {
        if (condition()) {
            return true;
        }
        Sleep(20);
    }
    return condition();
}

inline std::wstring clipboardText() {
    std::wstring text;
    if (waitFor([] { return OpenClipboard(nullptr) != 0; })) {
        if (HANDLE memory = GetClipboardData(CF_UNICODETEXT); memory != nullptr) {
            text = static_cast<const wchar_t*>(GlobalLock(memory));
            GlobalUnlock(memory);
        }
        CloseClipboard();
    }
    return text;
}

// Puts text on the clipboard and returns once it holds there. Wine hands the
// clipboard to the X server from another process, which may still be taking
// in an earlier text and put it back: the text is written again until it
// reads back and the clipboard has kept still for 300 ms.
inline bool setClipboard(const std::wstring& text) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        bool set = false;
        if (waitFor([] { return OpenClipboard(nullptr) != 0; })) {
            EmptyClipboard();
            set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            CloseClipboard();
        }
        if (!set) {
            GlobalFree(memory);
            return false;
        }
        DWORD sequence = GetClipboardSequenceNumber();
        for (int still = 0, waits = 0; still < 15 && waits < 250; ++waits) {
            Sleep(scaled(20));
            const DWORD now = GetClipboardSequenceNumber();
            still = now == sequence ? still + 1 : 0;
            sequence = now;
        }
        if (clipboardText() == text) {
            return true;
        }
    }
    return false;
}

// Starts the program and returns its shown window; null, with the reason
// printed, when it never shows one.
inline HWND start(const wchar_t* program, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"FAIL: cannot start %ls (error %lu)\n", program, GetLastError());
        return nullptr;
    }
    WaitForInputIdle(process.hProcess, scaled(10000));
    HWND form = nullptr;
    waitFor(
        [&] {
            return (form = FindWindowW(nullptr, L"Tovalin")) != nullptr && IsWindowVisible(form);
        },
        15000);
    if (form == nullptr) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        std::fwprintf(stderr, L"FAIL: no window titled Tovalin (process status 0x%lx)\n", exitCode);
        TerminateProcess(process.hProcess, 1);
    }
    return form;
}

} // namespace tovalin::remote
