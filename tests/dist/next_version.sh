#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The next release, for the upgrade tests: the source release with the next
# version's entry (1.23-1 after 1.22-1) on top of debian/changelog and no other
# edit, built by its own scripts/package into WORK_DIR/out, where every download
# must be named for it (its Debian packages without their tests: nocheck);
# with web, the page alone, by its scripts/build-web, in WORK_DIR/tree/build-web.
# Usage: next_version.sh WORK_DIR [web]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work"
mkdir -p "$work/tree"
bash "$here/scripts/lib/source_release.sh" "$work"
tar -C "$work/tree" --strip-components=1 -xf "$work"/tovalin-*.tar.xz
next=$(bash "$here/scripts/lib/version.sh" "$here" | awk -F. '{ printf "%s.%0*d", $1, length($2), $2 + 1 }')
date=$(date -u -R -d "@$(($(bash "$here/scripts/lib/release_date.sh" "$here") + 3600))")
printf '%s\n\n' "tovalin ($next-1) unstable; urgency=medium" '  * The next release.' \
    " -- Tovalin developers <tovalin@example.org>  $date" |
    cat - "$work/tree/debian/changelog" >"$work/changelog"
mv "$work/changelog" "$work/tree/debian/changelog"
build=("$work/tree/scripts/package")
[ "${2:-}" != web ] || build=("$work/tree/scripts/build-web")
export DEB_BUILD_OPTIONS="parallel=2 nocheck"
TOVALIN_PACKAGE_DIR=$work/out TOVALIN_CROSS_ARCHS= "${build[@]}" >"$work/package.log" 2>&1 ||
    { tail -n 40 "$work/package.log"; exit 1; }
[ "${2:-}" != web ] || exit 0
if cut -c67- "$work/out/SHA256SUMS" | grep -vF "$next"; then echo "FAIL: not named $next"; exit 1; fi
