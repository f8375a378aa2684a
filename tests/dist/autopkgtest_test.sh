#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The installed package tested as Debian's CI tests it: autopkgtest runs
# debian/tests in a clean root (unshare), with the package the sbuild leg
# built installed by apt, for amd64 on this machine's Debian release and on
# the other one (12 or 13), and for arm64 and armhf on this machine's, where
# qemu-user runs every program of the root. The roots are the sbuild leg's tarballs.
# Usage: autopkgtest_test.sh WORK_DIR   (the sbuild leg's)
set -euo pipefail
work=$(cd "$1" && pwd)
own=$(. /etc/os-release && echo "$VERSION_CODENAME")
other=trixie
[ "$own" != trixie ] || other=bookworm
version=$(bash "$(dirname "$0")/../../scripts/lib/version.sh" "$(dirname "$0")/../.." --debian)

check() { # SUITE ARCH WAIT_SCALE
    local suite=$1 arch=$2 out=$work/autopkgtest-$1-$2 started=$SECONDS status=0
    rm -rf "$out"
    autopkgtest --apt-upgrade --output-dir="$out" --env=TOVALIN_WAIT_SCALE="$3" \
        "$work/$suite-$arch/tovalin_${version}_$arch.deb" "$work/native/tovalin_$version.dsc" -- \
        unshare --release="$suite" --arch="$arch" --tarball="$work/$suite-$arch.tar" \
        >"$out.log" 2>&1 || status=$?
    echo "autopkgtest $suite $arch: $(cat "$out/summary" 2>/dev/null) in $((SECONDS - started)) s"
    [ "$status" -eq 0 ] || { tail -n 40 "$out.log"; return 1; }
}
# The testbeds share this machine's network, and with it X's abstract sockets:
# an X server here on the display that each testbed tries first, as another
# suite or a desktop may hold, must not draw their programs to it.
rm -f "$work/decoy.xauth"
xauth -q -f "$work/decoy.xauth" add :99 . "$(mcookie)"
Xvfb :99 -nolisten tcp -auth "$work/decoy.xauth" 2>/dev/null & decoy=$!
trap 'kill "$decoy" 2>/dev/null || true' EXIT
# All at once: the emulated ones take longest.
check "$own" arm64 10 & jobs=($!)
check "$own" armhf 10 & jobs+=($!)
check "$own" amd64 1 & jobs+=($!)
check "$other" amd64 1 & jobs+=($!)
status=0
for job in "${jobs[@]}"; do wait "$job" || status=1; done
exit "$status"
