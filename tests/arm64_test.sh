#!/usr/bin/env bash
# The arm64 package, driven: cross-built as scripts/package builds it, then
# checked as the amd64 one is (lintian, hardening-check) and installed with
# apt-get in an arm64 root of this machine's Debian release (made once, kept in
# WORK_DIR) that qemu-user runs. There the core's unit tests, built for arm64,
# run, and the installed program is driven end to end on this machine's X
# server by the same driver as on amd64.
# Usage: arm64_test.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
source "$here/scripts/lib/packages.sh"
source "$here/tests/tools/debian_root.sh"
ensure_emulation aarch64
root=$work/root
started=$(date +%s)
debian_root "$root" "$(. /etc/os-release && echo "$VERSION_CODENAME")" arm64

bash "$here/scripts/lib/source_release.sh" "$work"
bash "$here/scripts/lib/debian_package.sh" "$work/tovalin-1.00.tar.xz" "$work" arm64
deb=$(cd "$work" && ls tovalin_*_arm64.deb)
"$here/tests/dist/lintian_check.sh" "$work"/debian-arm64/*.changes
dpkg-deb -x "$work/$deb" "$work/unpacked"
hardening-check --nofortify --nocfprotection "$work/unpacked/usr/bin/tovalin" >/dev/null
cp "$work/$deb" "$root/tmp/"
in_root "$root" "apt-get update -q >/tmp/apt.log && apt-get install -y -q /tmp/$deb >>/tmp/apt.log ||
    { tail -n 20 /tmp/apt.log; exit 1; }"
echo "$deb: $(stat -c %s "$work/$deb") bytes; /usr/bin/tovalin: $(file -b "$root/usr/bin/tovalin")"

# The core's unit tests, cross-built for arm64 and run in the root.
cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
    -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ -DQT_HOST_PATH=/usr -DTOVALIN_WERROR=ON >"$work/build.log"
cmake --build "$work/build" -j2 --target logic_tests >>"$work/build.log"
cp "$work/build/tests/logic/logic_tests" "$root/tmp/"
in_root "$root" "/tmp/logic_tests --gtest_brief=1 | tail -n 3"

# The packaged program, started in the root, on the X server the driver runs.
cat >"$work/tovalin" <<LAUNCH
#!/usr/bin/env bash
source "$here/tests/tools/debian_root.sh"
cp "\${XAUTHORITY:-/dev/null}" "$root/tmp/xauthority"
in_root "$root" "DISPLAY=\$DISPLAY XAUTHORITY=/tmp/xauthority QT_SCALE_FACTOR=\$QT_SCALE_FACTOR \\
    LC_ALL=C.UTF-8 exec /usr/bin/tovalin"
LAUNCH
chmod +x "$work/tovalin"
TOVALIN_WAIT_SCALE=10 xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp" \
    "$here/tests/window/qt/e2e_xvfb.sh" "$work/tovalin" "$work/screenshots" 1
echo "arm64: $(($(date +%s) - started)) s"
