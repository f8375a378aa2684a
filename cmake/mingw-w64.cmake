# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

# Cross-builds for Windows with Debian's mingw-w64, for the processor that the
# including toolchain file names.
set(CMAKE_SYSTEM_NAME Windows)
set(TOOLCHAIN_PREFIX ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# The program takes the win32 thread model: no thread library (winpthreads) is
# linked in, and with it none of its imports newer than Windows XP. GoogleTest
# needs std::mutex, which only the posix model has in GCC 12.
if(NOT TOVALIN_MINGW_THREADS)
    set(TOVALIN_MINGW_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TOVALIN_MINGW_THREADS)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${TOVALIN_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${TOVALIN_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Stack canaries, with GCC's static libssp. In the win32 model GCC 13 and later
# guard static locals with Vista's condition variables; the program has one
# thread, so they go unguarded.
# Unused functions and data are left out (the i686 executable stays within
# 256 KiB with GCC 14's larger C++ library).
set(CMAKE_CXX_FLAGS_INIT "-fstack-protector-strong -ffunction-sections -fdata-sections")
if(TOVALIN_MINGW_THREADS STREQUAL win32)
    string(APPEND CMAKE_CXX_FLAGS_INIT " -fno-threadsafe-statics")
endif()

# One self-contained file: the GCC runtime and the C++ library linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -fstack-protector-strong -Wl,--gc-sections")
