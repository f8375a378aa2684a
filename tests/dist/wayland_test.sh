#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Starts the program natively on Wayland, in a headless Weston, and checks that
# its window appears: the protocol shows its toplevel titled Tovalin, and a
# screenshot differs from one taken before by at least the window's area.
# Usage: wayland_test.sh PROGRAM OUTPUT_DIR
set -euo pipefail
program=$1 out=$2
mkdir -p "$out"
fail() { echo "FAIL: $*" >&2; exit 1; }
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=tovalin-test
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# --debug lets weston-screenshooter take pictures.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --debug \
    --width=640 --height=240 >"$out/weston.log" 2>&1 &
pids+=($!)
waited() { # condition, tenths of a second
    for _ in $(seq "$2"); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}
waited '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' 100 || fail "Weston did not start"
sleep 1 # its panel and background

shoot() { # -> the new screenshot's path
    (cd "$XDG_RUNTIME_DIR" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1)
    ls "$XDG_RUNTIME_DIR"/wayland-screenshot-*.png
}
cp "$(shoot)" "$out/weston-before.png"

QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" 2>"$out/wayland-protocol.log" &
pids+=($!)
# libwayland writes objects as name@id, and as name#id from 1.23 (Debian 13).
waited 'grep -q "xdg_toplevel[@#][0-9]*\.set_title(\"Tovalin\")" "$out/wayland-protocol.log"' 100 ||
    fail "no Wayland window titled Tovalin"
sleep 1.5 # first frame
cp "$(shoot)" "$out/tovalin-wayland.png"
kill -0 "${pids[1]}" || fail "the program ended"

changed=$(/usr/bin/python3 - "$out/weston-before.png" "$out/tovalin-wayland.png" <<'PY'
import sys
from PIL import Image, ImageChops
before, after = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
print(sum(1 for px in ImageChops.difference(before, after).getdata() if px != (0, 0, 0)))
PY
)
echo "Wayland window drawn: $changed pixels changed; screenshot $out/tovalin-wayland.png"
[ "$changed" -ge $((405 * 65)) ] || fail "the window did not appear on screen"
