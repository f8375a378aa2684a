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
name=tovalin-$(bash "$here/scripts/lib/version.sh" "$here")
tar -C "$1" -xf "$1/$name.tar.xz"
reuse --root "$1/$name" lint --quiet || { reuse --root "$1/$name" lint; exit 1; }
