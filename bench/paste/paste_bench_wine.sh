#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Runs the Win32 paste benchmark against the x86-64 executable under Wine, in
# the test suite's Wine prefix. Needs an X server: xvfb-run -a bench/paste/paste_bench_wine.sh build
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
# The suite's 64-bit-only Wine: its wine commands never start the emulated 32-bit loader.
export PATH=$build/wine64/bin:$PATH
"$(dirname "$0")/../../tests/window/win32/wine_prefix.sh" win64 "$build/wine64"
win=$build/windows-x64
wine "$win/bench/paste/paste_bench.exe" "$(winepath -w "$win/window/win32/Tvl.exe")" | tr -d '\r'
wineserver -k || true
