#!/usr/bin/env bash
# This machine's apt sources for Debian, rewritten for another release: each
# source file, with this machine's release name (in its suites, such as
# bookworm-updates) changed to SUITE, written into OUT_DIR.
# Usage: debian_sources.sh SUITE OUT_DIR
set -euo pipefail
suite=$1 out=$2
own=$(. /etc/os-release && echo "$VERSION_CODENAME")
mkdir -p "$out"
shopt -s nullglob
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && grep -qE "^[^#]*\b$own\b" "$file" || continue
    sed -E "s/\b$own\b/$suite/g" "$file" >"$out/$(basename "$file")"
done
[ -n "$(ls "$out")" ] || { echo "no apt sources name $own" >&2; exit 1; }
