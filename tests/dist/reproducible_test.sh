#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Builds the downloads once more with scripts/package and compares them byte
# for byte with those of FIRST_DIR (scripts/package's from this tree, umask
# 022), the apt repository's and the served page's files too: from the first
# build's source release, unpacked in another folder with no git history, with
# another umask, the clock a day later and the Debian packages' tests left out
# (nocheck: the first build and sbuild's ran them), which must change no byte.
# Usage: reproducible_test.sh WORK_DIR FIRST_DIR
set -euo pipefail
work=$1
rm -rf "$work"
mkdir -p "$work/copy"
ln -s "$(cd "$2" && pwd)" "$work/first"
tar -C "$work/copy" --strip-components=1 -xf "$work"/first/tovalin-*.tar.xz
# Git, looking upwards from the copy, finds no repository.
(umask 077 && export DEB_BUILD_OPTIONS="parallel=2 nocheck" &&
    TOVALIN_PACKAGE_DIR=$work/second GIT_CEILING_DIRECTORIES=$work faketime -f +1d \
    "$work/copy/scripts/package") >"$work/second.log" 2>&1 || { tail -n 50 "$work/second.log"; exit 1; }

status=0
downloads() { (cd "$1" && cut -c67- SHA256SUMS | tr '\n' ' ' && echo SHA256SUMS); }
artefacts=$(downloads "$work/first")
[ "$artefacts" = "$(downloads "$work/second")" ] ||
    { echo "FAIL: the two builds made different files"; status=1; }
for file in $artefacts $(cd "$work/first" && find apt tovalin-*-web -type f | sort) \
    windows-x64/window/win32/Tvl.exe windows-x86/window/win32/Tvl.exe; do
    if cmp -s "$work/first/$file" "$work/second/$file"; then
        echo "same: $(sha256sum "$work/first/$file" | cut -c1-64)  $file"
    else
        echo "FAIL: $file differs"
        status=1
        if command -v diffoscope >/dev/null; then
            diffoscope "$work/first/$file" "$work/second/$file" | head -n 60 || true
        else
            cmp -l "$work/first/$file" "$work/second/$file" | head -n 20 || true
        fi
    fi
done
(cd "$work/first" && sha256sum -c --quiet SHA256SUMS) || { echo "FAIL: SHA256SUMS"; status=1; }
exit "$status"
