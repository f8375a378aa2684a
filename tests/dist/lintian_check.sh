#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Runs lintian on a .changes file (its source and binary packages) with the
# project's options (lintian_options.sh), and fails as lintian does.
# Usage: lintian_check.sh FILE.changes
set -uo pipefail
source "$(dirname "$0")/lintian_options.sh"
! lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1 ||
    LINTIAN_OPTIONS+=("${LINTIAN_DEBIAN13_OPTIONS[@]}")
report=$(lintian "${LINTIAN_OPTIONS[@]}" "$1" 2>&1)
status=$?
report=$(grep -v 'running with root privileges' <<<"$report")
echo "lintian says: ${report:-nothing}"
exit "$status"
