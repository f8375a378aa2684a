#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The next release, for the upgrade tests: the source release with a 1.01-1
# entry on top of debian/changelog and no other edit, built by its own
# scripts/package into WORK_DIR/out, where every download must be named 1.01;
# with web, the page alone, by its scripts/build-web, in WORK_DIR/tree/build-web.
# Usage: next_version.sh WORK_DIR [web]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work"
mkdir -p "$work/tree"
bash "$here/scripts/lib/source_release.sh" "$work"
tar -C "$work/tree" --strip-components=1 -xf "$work"/tovalin-*.tar.xz
printf '%s\n\n' 'tovalin (1.01-1) unstable; urgency=medium' '  * The next release.' \
    ' -- Tovalin developers <tovalin@example.org>  Tue, 08 Dec 2026 13:00:00 +0000' |
    cat - "$work/tree/debian/changelog" >"$work/changelog"
mv "$work/changelog" "$work/tree/debian/changelog"
build=("$work/tree/scripts/package")
[ "${2:-}" != web ] || build=("$work/tree/scripts/build-web")
TOVALIN_PACKAGE_DIR=$work/out "${build[@]}" >"$work/package.log" 2>&1 ||
    { tail -n 40 "$work/package.log"; exit 1; }
[ "${2:-}" != web ] || exit 0
if cut -c67- "$work/out/SHA256SUMS" | grep -v '1\.01'; then echo "FAIL: not named 1.01"; exit 1; fi
