#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Every file of the source release says its copyright and licence, as reuse
# reads them: the release's files, in a git checkout or not, without the
# build folders beside them.
# Usage: reuse_lint.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$1"
bash "$here/scripts/lib/source_release.sh" "$1"
tar -C "$1" -xf "$1/tovalin-1.00.tar.xz"
reuse --root "$1/tovalin-1.00" lint --quiet || { reuse --root "$1/tovalin-1.00" lint; exit 1; }
