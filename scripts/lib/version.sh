# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Prints the release's version, the one that every download carries: the
# upstream part of the top entry of debian/changelog ("1.23" of
# "tovalin (1.23-1) unstable"); with --debian, the whole Debian version
# ("1.23-1"). Fails, saying why, where there is none.
# Usage: version.sh SOURCE_DIR [--debian]
set -euo pipefail
changelog=$1/debian/changelog
version=$(sed -n '1s/^tovalin (\([0-9][0-9.]*-[^)]*\)).*/\1/p' "$changelog" 2>/dev/null || true)
if [ -z "$version" ]; then
    echo "error: no version: the top entry of $changelog names none" >&2
    exit 1
fi
if [ "${2:-}" = --debian ]; then
    echo "$version"
else
    echo "${version%-*}"
fi
