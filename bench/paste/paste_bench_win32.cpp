// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// From a paste into file_sj to the result shown, driving Tvl.exe from outside:
// pastes N hex digits ending in DEADBEEF through the Windows clipboard
// (WM_PASTE, as Ctrl+V), repaints, clicks the arrow and waits for the result.
// Usage, on Wine: bench/paste/paste_bench_wine.sh BUILD_DIR
#include "tests/window/win32/remote.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using namespace tovalin::remote;

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

std::wstring digits(std::size_t count) {
    std::wstring text;
    text.reserve(count);
    while (text.size() + 8 < count) {
        text += L"0123456789abcdef";
    }
    text.resize(count - 8);
    return text + L"DEADBEEF";
}

// Waits until everything the window has to paint is painted.
void paintNow(HWND form) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_BLOCK, 600000, nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: paste_bench PROGRAM\n");
        return 2;
    }
    PROCESS_INFORMATION process{};
    const HWND form = start(argv[1], process);
    const std::vector<HWND> children = form != nullptr ? childrenOf(form) : std::vector<HWND>{};
    if (children.size() != 5) {
        return 1;
    }
    const HWND file_sj = children[1];
    const HWND asm_sj = children[3];
    const HWND f_a = children[4];

    // Each step timed apart, so that the edit control's share shows.
    std::printf("%12s %10s %10s %10s %10s %11s\n", "digits", "paste", "paint", "click", "paint",
                "total");
    for (std::size_t count :
         {std::size_t{1'000}, std::size_t{1'000'000}, std::size_t{10'000'000}}) {
        setText(file_sj, L"");
        setText(asm_sj, L"");
        if (!setClipboard(digits(count))) {
            std::fprintf(stderr, "cannot use the clipboard\n");
            return 1;
        }
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        SendMessageTimeoutW(file_sj, WM_PASTE, 0, 0, SMTO_BLOCK, 600000, nullptr);
        const double pasted = millisecondsSince(start);
        paintNow(form);
        const double painted = millisecondsSince(start);
        DWORD_PTR length = 0;
        SendMessageTimeoutW(file_sj, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 600000, &length);
        QueryPerformanceCounter(&start);
        SendMessageTimeoutW(f_a, BM_CLICK, 0, 0, SMTO_BLOCK, 600000, nullptr);
        const double clicked = millisecondsSince(start);
        paintNow(form);
        const double shown = millisecondsSince(start);
        const bool right = length == count && textOf(asm_sj) == L"EFBEADDE";
        std::printf("%12zu %7.1f ms %7.1f ms %7.1f ms %7.1f ms %8.1f ms%s\n", count, pasted,
                    painted - pasted, clicked, shown - clicked, painted + shown,
                    right ? "" : "  WRONG RESULT");
        std::fflush(stdout);
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    return 0;
}
