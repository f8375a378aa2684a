#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Writes OUT_DIR/tovalin-VERSION.tar.xz, the source release: exactly the
# tracked tree (in a git checkout, what git tracks; elsewhere, such as an
# unpacked release, every file but the build folders), under tovalin-VERSION/.
# The same tree gives the same bytes from any folder, at any time, with any
# umask: names sorted bytewise, owner root, modes from the executable bit
# alone, every time stamp the release's date. VERSION is debian/changelog's.
# Usage: source_release.sh OUT_DIR
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
epoch=$(bash "$src/scripts/lib/release_date.sh" "$src")
name=tovalin-$(bash "$src/scripts/lib/version.sh" "$src")
list=$(mktemp)
trap 'rm -f "$list"' EXIT
if [ "$(git -C "$src" rev-parse --show-toplevel 2>/dev/null)" = "$src" ]; then
    git -C "$src" ls-files -z
else
    (cd "$src" && find . -type f ! -path './build*' ! -path './out/*' ! -path '*/node_modules/*' \
        ! -path './.git/*' -printf '%P\0')
fi | LC_ALL=C sort -z >"$list"
mkdir -p "$out"
tar -C "$src" --sort=name --format=gnu --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --transform="s,^,$name/," --no-recursion --null --files-from="$list" \
    -cf - | xz -9 -T1 >"$out/$name.tar.xz.part"
mv "$out/$name.tar.xz.part" "$out/$name.tar.xz"
