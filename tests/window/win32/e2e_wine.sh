#!/usr/bin/env bash
# Runs the Win32 driver against the executable under Wine, taking the
# screenshots it asks for. Usage: e2e_wine.sh DRIVER.exe PROGRAM.exe OUTPUT_DIR
set -euo pipefail
driver=$1 program=$2 out=$3
mkdir -p "$out"
here=$(cd "$(dirname "$0")/../.." && pwd)
status=0
wine "$driver" "$(winepath -w "$program")" 2>&1 | while IFS= read -r line; do
    line=${line%$'\r'}
    case "$line" in
    "SHOT "*)
        import -window root "$out/${line#SHOT }.png"
        # The window's icon, as the desktop gets it from Wine.
        wid=$(xdotool search --onlyvisible --name '^Tovalin$' | head -n 1)
        "$here/tools/xwin.py" icon-sizes "$wid" >"$out/wine-icon-sizes.txt"
        ;;
    *) echo "$line" ;;
    esac
done || status=$?
[ -f "$out/tovalin-wine.png" ] || { echo "FAIL: no screenshot"; status=1; }
echo "window icon sizes:" $(cat "$out/wine-icon-sizes.txt" 2>/dev/null)
for size in 32x32 16x16; do
    grep -qx "$size" "$out/wine-icon-sizes.txt" 2>/dev/null || { echo "FAIL: no $size window icon"; status=1; }
done
wineserver -k || true # the prefix's helper processes go too
exit "$status"
