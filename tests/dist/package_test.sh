#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The Debian package for this machine that scripts/package built in
# DOWNLOADS_DIR: checks it with lintian, the build log with blhc and the
# program with hardening-check, unpacks the package into a scratch root in
# WORK_DIR, checks what it holds, and runs the packaged program end to end on
# X11 and natively on Wayland.
# Usage: package_test.sh WORK_DIR DOWNLOADS_DIR
set -euo pipefail
work=$1 arch=$(dpkg --print-architecture)
here=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$work"
mkdir -p "$work"
version=$(bash "$here/../scripts/lib/version.sh" "$here/.." --debian)
deb=$2/tovalin_${version}_$arch.deb
log=$2/debian-$arch/build.log
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -I "$deb" | sed -n '/Package:/,$p'

fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks Qt from shlibdeps"
dpkg-deb -f "$deb" Recommends | grep -q fonts- || fail "no CJK font recommended"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "Qt's Wayland platform not recommended"
# The fields as apt show prints them: clean paragraphs, and no address of a
# home the project does not have.
fields=$(dpkg-deb -f "$deb")
! grep -n '^ *;' <<<"$fields" || fail "a stray ; in the fields"
! grep -nE '[a-z]+://' <<<"$fields" || fail "a URL in the fields"

# Debian's own checker on the source and binary packages, down to pedantic.
"$here/dist/lintian_check.sh" "$2/debian-$arch"/*.changes || fail "lintian"

# Hardening: every flag in the build log, and the program built with them.
# Fortify and control-flow protection are left to the log and the debug
# package: hardening-check sees no fortified call where no size is known at
# compile time, nor the CET mark that Debian 12's start-up files lack.
blhc --all "$log" || fail "blhc finds hardening flags missing from the build log"
for flag in -D_FORTIFY_SOURCE=3 -D_GLIBCXX_ASSERTIONS -fstack-clash-protection -fcf-protection \
    -Wl,-z,noexecstack; do
    grep -q -- " $flag " "$log" || fail "$flag not in the build log"
done
root=$work/root
dpkg-deb -x "$deb" "$root"
# Debian 13's hardening-check also looks for arm64's branch protection.
unchecked=(--nofortify --nocfprotection)
[[ "$(hardening-check --help 2>&1 || true)" != *--nobranchprotection* ]] ||
    unchecked+=(--nobranchprotection)
hardening-check "${unchecked[@]}" "$root/usr/bin/tovalin" || fail "hardening-check"
dpkg-deb -x "$2/tovalin-dbgsym_${version}_$arch.deb" "$work/dbgsym"
producer=$(readelf --debug-dump=info "$(find "$work/dbgsym" -name '*.debug')" 2>/dev/null |
    grep -m1 DW_AT_producer || true)
echo "debug info: $producer"
grep -q -- '-fstack-clash-protection -fcf-protection' <<<"$producer" || fail "producer string"

id=org.tovalin.Tovalin
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for page in man/man1/tovalin.1.gz man/zh_CN/man1/tovalin.1.gz doc/tovalin/changelog.Debian.gz \
    doc/tovalin/copyright; do
    [ -f "$root/usr/share/$page" ] || fail "no $page"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop"
"$here/dist/validate_metainfo.sh" "$root/usr/share/metainfo/$id.metainfo.xml"

"$here/tools/xvfb.sh" "$here/window/qt/e2e_xvfb.sh" "$root/usr/bin/tovalin" "$work/screenshots" 1
"$here/dist/wayland_test.sh" "$root/usr/bin/tovalin" "$work/screenshots"
