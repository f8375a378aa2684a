#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The next release, for the upgrade tests: the source release with a 1.01-1
# entry on top of debian/changelog and no other edit, built as a release
# builds it: its source and amd64 Debian packages in WORK_DIR/out, its
# Windows downloads in WORK_DIR/build.
# Usage: next_version.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work"
mkdir -p "$work/tree"
bash "$here/scripts/lib/source_release.sh" "$work"
tar -C "$work/tree" --strip-components=1 -xf "$work"/tovalin-*.tar.xz
cd "$work/tree"
printf '%s\n\n' 'tovalin (1.01-1) unstable; urgency=medium' '  * The next release.' \
    ' -- Tovalin developers <tovalin@example.org>  Tue, 08 Dec 2026 13:00:00 +0000' |
    cat - debian/changelog >"$work/changelog" && mv "$work/changelog" debian/changelog
bash scripts/lib/source_release.sh "$work/out"
bash scripts/lib/debian_package.sh "$work/out/tovalin-1.01.tar.xz" "$work/out"
cmake -S . -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVALIN_TESTS=OFF \
    -DTOVALIN_WINDOWS=ON >"$work/build.log"
cmake --build "$work/build" --target windows_dist -j2 >>"$work/build.log" ||
    { tail -n 40 "$work/build.log"; exit 1; }
