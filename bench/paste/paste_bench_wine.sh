#!/usr/bin/env bash
# Runs the Win32 paste benchmark against the x86-64 executable under Wine, in
# the test suite's Wine prefix. Needs an X server: xvfb-run -a bench/paste/paste_bench_wine.sh build
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; } >/dev/null 2>&1
win=$build/windows-x64
wine "$win/bench/paste/paste_bench.exe" "$(winepath -w "$win/window/win32/Tvl.exe")" | tr -d '\r'
wineserver -k || true
