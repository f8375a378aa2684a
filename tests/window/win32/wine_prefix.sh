#!/usr/bin/env bash
# Creates a Wine prefix the Windows tests share, once; quiet unless it fails.
# Usage: wine_prefix.sh win64 VIEW   a prefix for x86-64 programs only
#        wine_prefix.sh win32        a 32-bit prefix (wine32; emulated where the
#                                    kernel runs no i386 code)
set -euo pipefail
arch=$1
if [ "$arch" = win64 ]; then
    # Wine's 64-bit loader starts 32-bit programs through the loader beside it
    # and finds its libraries relative to itself. VIEW holds a copy of it with
    # only the 64-bit libraries beside it, and VIEW/bin (first on the tests'
    # PATH) runs every wine command through it: the prefix then gets no 32-bit
    # side, which under emulation would take minutes to set up.
    view=$2
    mkdir -p "$view/lib/wine" "$view/bin"
    cp /usr/lib/wine/wine64 "$view/lib/wine/wine64"
    ln -sfn /usr/lib/x86_64-linux-gnu "$view/lib/x86_64-linux-gnu"
    ln -sfn /usr/share "$view/share"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec "%s" "$@"\n' "$view/lib/wine/wine64" >"$view/bin/$name"
        chmod +x "$view/bin/$name"
    done
elif [ ! -x /usr/lib/wine/wine ]; then
    echo "FAIL: no 32-bit Wine (wine32:i386)"
    exit 1
fi
if [ -f "$WINEPREFIX/system.reg" ]; then
    exit 0
fi
log=$(mktemp)
if ! WINEARCH=$arch wineboot -i >"$log" 2>&1 || ! wineserver -w >>"$log" 2>&1; then
    cat "$log"
    exit 1
fi
rm -f "$log"
