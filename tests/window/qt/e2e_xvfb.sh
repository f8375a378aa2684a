#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Drives the installed program on an X server as a person would: types, clicks,
# copies the boxes out through the clipboard, and saves screenshots.
# Usage: e2e_xvfb.sh PROGRAM OUTPUT_DIR SCALE   (run under xvfb-run)
# TOVALIN_WAIT_SCALE stretches every wait, for a program run under emulation.
set -euo pipefail
exe=$1 out=$2 scale=$3
here=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
export QT_SCALE_FACTOR=$scale
# Window titles are Chinese: xdotool matches them as UTF-8 whatever the caller's locale.
export LC_ALL=C.UTF-8

fail() { echo "FAIL: $*" >&2; exit 1; }
waits=${TOVALIN_WAIT_SCALE:-1}
pause() { sleep "$(awk "BEGIN { print $1 * $waits }")"; }

wait_window() { # title -> window id, once mapped
    local id
    for _ in $(seq $((100 * waits))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

click() { xdotool mousemove --window "$wid" $(($1 * scale)) $(($2 * scale)) click 1; }

read_box() { # x y -> the box's whole text, through the clipboard
    click "$1" "$2"
    "$here/tools/xwin.py" copy "$wid" || fail "no copy from the box at $1,$2"
    xclip -o -selection clipboard
}

"$exe" &
pid=$!
wid=$(wait_window Tovalin) || fail "window never mapped"
pause 0.5

read -r x y width height < <(xwininfo -id "$wid" |
    awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
         /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
[ "${width}x$height" = "$((405 * scale))x$((65 * scale))" ] || fail "client size ${width}x$height"
# Opened centred on the screen, give or take a pixel of rounding.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
dx=$((x - (screen_width - width) / 2)) dy=$((y - (screen_height - height) / 2))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "window at $x,$y is not centred"

# The window carries its icon for the desktop to show (Qt scales the sizes
# with the screen, so the full set is checked at 1x).
icons=" $("$here/tools/xwin.py" icon-sizes "$wid" | tr '\n' ' ')"
[ "$icons" != " " ] || fail "no _NET_WM_ICON"
if [ "$scale" = 1 ]; then
    for want in 16x16 32x32 48x48 64x64; do
        [[ "$icons" == *" $want "* ]] || fail "_NET_WM_ICON lacks $want (has:$icons)"
    done
fi

# Typing goes into the input box at start; the arrow converts.
xdotool type --delay 20 1234
click 200 40
pause 0.3
[ "$(read_box 90 40)" = "00001234" ] || fail "input box"
[ "$(read_box 300 40)" = "34120000" ] || fail "output box did not hold exactly 34120000"
click 200 40 # leaves the arrow focused, no selection showing in the shot
pause 0.3
import -window "$wid" "$out/tovalin-${scale}x.png"

# Bad input: the message box appears, is answered with Enter, and the boxes
# stay as they were.
answer() { # title what
    wait_window "$1" >/dev/null || fail "no $1 box for $2"
    pause 0.3
    import -window root "$out/tovalin-${scale}x-$3.png"
    xdotool key Return
    for _ in $(seq $((50 * waits))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "$1 box stayed open"
}
click 90 40
xdotool key ctrl+a
xdotool type --delay 20 0x12
click 200 40
answer 警告 0x12 warning
click 90 40
xdotool key ctrl+a BackSpace
click 200 40
answer 提示 "an empty box" notice
[ "$(read_box 300 40)" = "34120000" ] || fail "output box changed after bad input"

# The X11 selection, pasted with the middle button, lands up to its first line break.
click 90 40
xdotool key ctrl+a BackSpace
printf 'DEADBEEF\r\n1234' | xclip -selection primary -i
xdotool mousemove --window "$wid" $((90 * scale)) $((40 * scale)) click 2
click 200 40
pause 0.3
[ "$(read_box 90 40)" = "DEADBEEF" ] || fail "middle-click paste into the input box"
[ "$(read_box 300 40)" = "EFBEADDE" ] || fail "output box after a middle-click paste"

# A long paste through the clipboard is held whole, up to its line break; the
# arrow keeps its last eight digits.
digits=$(printf '0123456789abcdef%.0s' $(seq 6250))
printf '%s\n1234' "$digits" | xclip -selection clipboard -i
click 90 40
xdotool key ctrl+a ctrl+v
pause 0.5
[ "$(read_box 90 40)" = "$digits" ] || fail "a paste of ${#digits} digits"
click 200 40
pause 0.3
[ "$(read_box 300 40)" = "efcdab89" ] || fail "output box after a long paste"

# Closing the window ends the program at once, with status 0.
"$here/tools/xwin.py" close "$wid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "e2e at ${scale}x passed; screenshots in $out"
