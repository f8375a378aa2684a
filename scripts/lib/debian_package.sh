#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Builds the Debian packages from the source release, as Debian builds them
# (dpkg-buildpackage, debhelper), and copies them into OUT_DIR. For this
# machine's processor: the binary package, its -dbgsym package and the source
# package (.dsc, the release as .orig.tar.xz, .debian.tar.xz). Given ARCH
# (arm64), cross-built: that processor's binary and -dbgsym packages. The whole
# log stays in OUT_DIR/debian-ARCH/build.log, beside the .changes file.
# TOVALIN_MAINTAINER ("Name <address>") names another maintainer.
# Usage: debian_package.sh RELEASE_TARBALL OUT_DIR [ARCH]
set -euo pipefail
tarball=$(realpath "$1")
out=$(realpath "$2")
arch=${3:-$(dpkg --print-architecture)}
options=()
[ -z "${3:-}" ] || options=(-a "$arch" -B)
# The tree unpacked as dpkg-buildpackage would build it: whatever the caller's
# umask, folders that dpkg-source packs with the same modes.
umask 022
work=$out/debian-$arch
rm -rf "$work"
mkdir -p "$work"
name=$(basename "$tarball" .tar.xz)
cp "$tarball" "$work/tovalin_${name#tovalin-}.orig.tar.xz"
tar -C "$work" -xf "$tarball"
tree=$work/$name
if [ -n "${TOVALIN_MAINTAINER:-}" ]; then
    sed -i "s|Tovalin developers <tovalin@example.org>|$TOVALIN_MAINTAINER|" \
        "$tree/debian/control" "$tree/debian/changelog" "$tree/debian/copyright"
fi
export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2}
(cd "$tree" && dpkg-buildpackage -us -uc "${options[@]}") >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log"; exit 1; }
echo "Debian package for $arch: core tests $(grep -o '[0-9]*% tests passed.*' "$work/build.log" ||
    echo 'not run (nocheck)')"
shopt -s nullglob
cp "$work"/*.deb "$work"/*.dsc "$work"/*.orig.tar.xz "$work"/*.debian.tar.xz "$out/"
