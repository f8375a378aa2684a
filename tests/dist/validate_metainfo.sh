#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Validates AppStream metadata with appstreamcli at every level, pedantic
# included, and fails on any issue but these, which the project accepts:
#   url-homepage-missing           the project has no home page yet, and names none
#   cid-contains-uppercase-letter  the id is the desktop entry's reverse-DNS name
#   unknown-tag developer          AppStream 0.16 (Debian 12) predates <developer>,
#                                  which AppStream 1.0 (Debian 13) asks for instead
#                                  of <developer_name>
# Usage: validate_metainfo.sh FILE
set -uo pipefail
report=$(appstreamcli validate --no-net --pedantic "$1" 2>&1)
echo "$report"
unexpected=$(grep -E '^[EWIP]: ' <<<"$report" | grep -vE \
    ': (url-homepage-missing|cid-contains-uppercase-letter .*|unknown-tag developer)$')
[ -z "$unexpected" ] || { echo "FAIL: $unexpected"; exit 1; }
grep -qE '^[EWIP]: |successful' <<<"$report" || { echo "FAIL: no report"; exit 1; }
# Its newest release, listed first, is debian/changelog's top entry.
src=$(dirname "$0")/../..
newest=$(grep -m1 -o '<release version="[^"]*" date="[^"]*"' "$1")
expected="<release version=\"$(bash "$src/scripts/lib/version.sh" "$src")\" date=\"$(date -u +%F \
    -d "@$(bash "$src/scripts/lib/release_date.sh" "$src")")\""
[ "$newest" = "$expected" ] || { echo "FAIL: newest $newest, changelog: $expected"; exit 1; }
