# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

# Windows on i686.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
