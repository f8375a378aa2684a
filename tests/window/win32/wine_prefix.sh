#!/usr/bin/env bash
# Creates the Wine prefix the Windows tests share, once; quiet unless it fails.
set -euo pipefail
if [ -f "$WINEPREFIX/system.reg" ]; then
    exit 0
fi
log=$(mktemp)
if ! wineboot -i >"$log" 2>&1 || ! wineserver -w >>"$log" 2>&1; then
    cat "$log"
    exit 1
fi
rm -f "$log"
