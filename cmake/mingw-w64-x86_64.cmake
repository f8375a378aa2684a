# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

# Windows on x86_64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
