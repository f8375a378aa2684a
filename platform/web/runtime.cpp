// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// What the C++ runtime needs of the page, which supplies nothing but its own
// window operations: no WASI, so no stderr. Where the runtime would print a
// message and abort, the module traps, and the page reports the failure.
#include <cstddef>
#include <cstdlib>

// libc++'s own operator new goes through the new handler to std::terminate,
// whose message needs stderr.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size)) {
        return block;
    }
    __builtin_trap();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

// libc++ (from LLVM 15) reports a broken precondition, such as a string past
// its largest size, through this function; its own prints to stderr.
#if __has_include(<__verbose_abort>)
#include <__verbose_abort>
#ifndef _LIBCPP_VERBOSE_ABORT_NOEXCEPT
#define _LIBCPP_VERBOSE_ABORT_NOEXCEPT
#endif
_LIBCPP_BEGIN_NAMESPACE_STD
void __libcpp_verbose_abort(const char*, ...) _LIBCPP_VERBOSE_ABORT_NOEXCEPT {
    __builtin_trap();
}
_LIBCPP_END_NAMESPACE_STD
#endif
