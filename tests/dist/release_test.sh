#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The source release on its own: unpacked into an empty folder, with no git
# history and nothing beside it, it builds with GCC and warnings as errors, and
# its core tests and one run of the program end to end pass.
# Usage: release_test.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work"
mkdir -p "$work"
bash "$here/scripts/lib/source_release.sh" "$work"
empty=$(mktemp -d)
trap 'rm -rf "$empty"' EXIT
name=tovalin-$(bash "$here/scripts/lib/version.sh" "$here")
tar -C "$empty" -xf "$work/$name.tar.xz"
tree=$empty/$name
# Git, looking upwards from the tree, finds no repository.
export GIT_CEILING_DIRECTORIES=$empty
cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVALIN_WERROR=ON \
    >"$work/configure.log"
cmake --build "$tree/build" -j2 >"$work/build.log" || { tail -n 40 "$work/build.log"; exit 1; }
ctest --test-dir "$tree/build" -L core --output-on-failure | tail -n 3
ctest --test-dir "$tree/build" -R '^e2e_xvfb_1x$' --output-on-failure | tail -n 3
