# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Prints the release's date as seconds since 1970, the one date that every
# time stamp of every download takes: SOURCE_DATE_EPOCH where it is set,
# otherwise the date of the top entry of debian/changelog. Fails, saying why,
# where there is neither. Usage: release_date.sh SOURCE_DIR
set -euo pipefail
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
    exit 0
fi
changelog=$1/debian/changelog
# The top entry's trailer: " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000"
date=$(sed -n 's/^ -- .*>  //p' "$changelog" 2>/dev/null | head -n 1 || true)
if [ -z "$date" ] || ! date -u -d "$date" +%s 2>/dev/null; then
    echo "error: no release date: set SOURCE_DATE_EPOCH, or date the top entry of $changelog" >&2
    exit 1
fi
