// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// GCC's default handler for an exception that nothing catches writes the
// exception's type name, demangled, to the standard error stream, which a
// window program does not have; its demangler alone is a sixth of the
// executable. The program catches every exception where it can report it in a
// window (Form1's window procedure, main), so this handler only ends the
// program, as GCC's does after its message. It goes in as an object of its
// own, so that the C++ library's handler is never linked in.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
