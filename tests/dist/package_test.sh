#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a scratch
# root, checks what it holds, and runs the packaged program end to end on X11
# and natively on Wayland.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
work=$build/package
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB >cpack.log 2>&1) ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -I "$deb" | sed -n '/Package:/,$p'

fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || fail "version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks Qt from shlibdeps"
dpkg-deb -f "$deb" Recommends | grep -q fonts- || fail "no CJK font recommended"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "Qt's Wayland platform not recommended"
# The fields as apt show prints them: clean paragraphs, and no address of a
# home the project does not have.
fields=$(dpkg-deb -f "$deb")
! grep -n '^ *;' <<<"$fields" || fail "a stray ; in the fields"
! grep -nE '[a-z]+://' <<<"$fields" || fail "a URL in the fields"

# Debian's own checker: nothing at error or warning level.
status=0
lintian --fail-on error,warning --display-level '>=warning' "$deb" >"$work/lintian.txt" 2>&1 ||
    status=$?
echo "lintian says: $(grep -v 'running with root privileges' "$work/lintian.txt" || echo nothing)"
[ "$status" -eq 0 ] || fail "lintian"

root=$work/root
dpkg-deb -x "$deb" "$root"
id=org.tovalin.Tovalin
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for page in man/man1/tovalin.1.gz man/zh_CN/man1/tovalin.1.gz doc/tovalin/changelog.gz \
    doc/tovalin/copyright; do
    [ -f "$root/usr/share/$page" ] || fail "no $page"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp" \
    "$here/window/qt/e2e_xvfb.sh" "$root/usr/bin/tovalin" "$work/screenshots" 1
"$here/dist/wayland_test.sh" "$root/usr/bin/tovalin" "$work/screenshots"
