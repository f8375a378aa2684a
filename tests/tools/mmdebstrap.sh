#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# mmdebstrap for a Debian release, from the archive this machine's apt uses:
# each of its source files, with this machine's release name (in its suites,
# such as bookworm-updates, too) changed to SUITE. A TARGET ending in .tar is
# a root kept for the next run (sbuild's and autopkgtest's): made once, and
# only whole. With TOVALIN_NO_SECURITY=1, without the security suite.
# Usage: mmdebstrap.sh SUITE TARGET [MMDEBSTRAP_OPTIONS...]
set -euo pipefail
suite=$1 target=$2
shift 2
[[ "$target" != *.tar || ! -s "$target" ]] || exit 0
own=$(. /etc/os-release && echo "$VERSION_CODENAME")
sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
shopt -s nullglob
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && grep -qE "^[^#]*\b$own\b" "$file" || continue
    copy=$sources/$(basename "$file")
    sed -E "s/\b$own\b/$suite/g" "$file" >"$copy"
    [ -z "${TOVALIN_NO_SECURITY:-}" ] || case $file in # deb822 stanzas, or lines
        *.sources) awk -v RS= -v ORS='\n\n' '!/-security/' "$copy" >"$copy.part" && mv "$copy.part" "$copy" ;;
        *) sed -i '/-security/d' "$copy" ;;
    esac
done
[ -n "$(ls "$sources")" ] || { echo "no apt sources name $own" >&2; exit 1; }
if [[ "$target" == *.tar ]]; then
    mmdebstrap --quiet --format=tar --skip=output/mknod "$@" "$suite" "$target.part" "$sources"/*
    mv "$target.part" "$target"
else
    mmdebstrap --quiet "$@" "$suite" "$target" "$sources"/*
fi
