// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// GCC 13 and later's thread support for the win32 thread model (libgcc's
// gthr-win32), which the C++ library's exception code links in, imports
// GetThreadId: a function of Windows Vista, and of XP x64, but not of 32-bit
// Windows XP, which would then refuse to start the program. The program has
// one thread and never asks for a thread's id by its handle; this takes the
// import's place: the real function where Windows has it, and otherwise a
// failure, as GetThreadId reports one.
#if defined(__i386__)
#include <windows.h>

namespace {

DWORD WINAPI getThreadId(HANDLE thread) {
    using Function = DWORD(WINAPI*)(HANDLE);
    static const auto real = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetThreadId")));
    if (real != nullptr) {
        return real(thread);
    }
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return 0;
}

} // namespace

// The import's address slot, as the import library would have supplied it.
extern "C" {
extern void* const importedGetThreadId __asm__("__imp__GetThreadId@4");
void* const importedGetThreadId = reinterpret_cast<void*>(&getThreadId);
}
#endif
