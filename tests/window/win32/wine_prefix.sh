#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Creates a Wine prefix the Windows tests share, once; quiet unless it fails.
# Usage: wine_prefix.sh win64|wow64 DIR
# Both are 64-bit prefixes, and DIR/bin, first on the tests' PATH, runs every
# wine command through Wine's 64-bit loader. With win64 that loader is a copy
# with only the 64-bit libraries beside it: it finds no 32-bit loader, so the
# prefix gets no 32-bit side, which takes minutes to set up where 32-bit code
# runs emulated. With wow64 it is Wine's own, which runs i686 programs through
# the 32-bit loader (wine32).
set -euo pipefail
kind=$1 dir=$2
loader=/usr/lib/wine/wine64
if [ "$kind" = win64 ]; then
    mkdir -p "$dir/lib/wine"
    cp "$loader" "$dir/lib/wine/wine64"
    ln -sfn /usr/lib/x86_64-linux-gnu "$dir/lib/x86_64-linux-gnu"
    ln -sfn /usr/share "$dir/share"
    loader=$dir/lib/wine/wine64
elif [ ! -x /usr/lib/wine/wine ]; then
    echo "FAIL: no 32-bit Wine (wine32:i386)"
    exit 1
fi
mkdir -p "$dir/bin"
for name in wine wine-stable; do
    printf '#!/bin/sh\nexec "%s" "$@"\n' "$loader" >"$dir/bin/$name"
    chmod +x "$dir/bin/$name"
done
if [ -f "$WINEPREFIX/system.reg" ]; then
    exit 0
fi
log=$(mktemp)
if ! WINEARCH=win64 wineboot -i >"$log" 2>&1 || ! wineserver -w >>"$log" 2>&1; then
    cat "$log"
    exit 1
fi
rm -f "$log"
