#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root, checks what it
# holds, and runs the end-to-end test against the packaged program.
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

root=$work/root
dpkg-deb -x "$deb" "$root"
id=org.tovalin.Tovalin
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp" \
    "$here/window/qt/e2e_xvfb.sh" "$root/usr/bin/tovalin" "$work/screenshots" 1
