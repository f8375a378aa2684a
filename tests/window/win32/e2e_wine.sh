#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Runs the Win32 driver against the executable under Wine at the given DPI,
# taking the screenshots it asks for.
# Usage: e2e_wine.sh DRIVER.exe PROGRAM.exe OUTPUT_DIR DPI [VERSION]
# With VERSION (win7, winxp or winxp64) the Wine prefix reports that Windows
# for the run.
set -euo pipefail
trap 'echo "FAIL: exit $? from: $BASH_COMMAND"' ERR
driver=$1 program=$2 out=$3 dpi=$4 version=${5:-}
here=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
suffix=""
[ "$dpi" = 96 ] || suffix="-${dpi}dpi"
[ -z "$version" ] || suffix="$suffix-$version"

# The screen's DPI, as Windows' display settings keep it, and the Windows
# version Wine reports, as winecfg keeps it; both back to the prefix's
# defaults afterwards. Written with reg, not winecfg, which is a window
# program started through the shell and has failed to start at random.
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wineserver -w
}
set_version() {
    if [ -n "$1" ]; then
        wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$1" /f >/dev/null
    else
        wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1 || true
    fi
    wineserver -w
}
# Then the prefix's processes end, the server last, before the next run
# starts one of its own.
restore() {
    set_dpi 96
    [ -z "$version" ] || set_version ""
    wineserver -k || true
    wineserver -w || true
}
set_dpi "$dpi"
trap restore EXIT
if [ -n "$version" ]; then
    set_version "$version"
    reported=$(wine cmd /c ver | tr -d '\r')
    echo "Windows version:" $reported
    case "$version:$reported" in
    win7:*" 6.1."* | winxp:*" 5.1."* | winxp64:*" 5.2."*) ;;
    *) echo "FAIL: the prefix does not report $version"; exit 1 ;;
    esac
fi

status=0
wine "$driver" "$(winepath -w "$program")" "$dpi" 2>&1 | while IFS= read -r line; do
    line=${line%$'\r'}
    case "$line" in
    "SHOT "*)
        import -window root "$out/${line#SHOT }$suffix.png"
        # The window's icon, as the desktop gets it from Wine.
        wid=$(xdotool search --onlyvisible --name '^Tovalin$' | head -n 1)
        "$here/tools/xwin.py" icon-sizes "$wid" >"$out/wine-icon-sizes$suffix.txt"
        ;;
    *) echo "$line" ;;
    esac
done || status=$?
[ -f "$out/tovalin-wine$suffix.png" ] || { echo "FAIL: no screenshot"; status=1; }
echo "window icon sizes:" $(cat "$out/wine-icon-sizes$suffix.txt" 2>/dev/null)
# Large and small icons, at the sizes the DPI asks for.
for side in $((32 * dpi / 96)) $((16 * dpi / 96)); do
    size=${side}x${side}
    grep -qx "$size" "$out/wine-icon-sizes$suffix.txt" 2>/dev/null ||
        { echo "FAIL: no $size window icon"; status=1; }
done
exit "$status"
