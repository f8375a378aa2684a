#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Debian 13 as well as Debian 12: in a Debian 13 root that mmdebstrap makes
# for the run (its hooks run the work inside, with /proc, /sys and /dev
# mounted by mmdebstrap), builds the program with clang and with GCC,
# warnings as errors, and the page, and runs the core, Qt and page tests
# there; cross-builds both Windows executables with its mingw-w64 and checks
# their imports, resources and size; reuse reads every file's licence. The
# release's own sources go in. The packages it downloads are kept in
# WORK_DIR/apt-cache for the next run.
# Usage: debian13_test.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
bash "$here/scripts/lib/source_release.sh" "$work"
version=$(bash "$here/scripts/lib/version.sh" "$here")
mkdir -p "$work/apt-cache"

cat >"$work/in-root.sh" <<'SCRIPT'
mkdir -p /src && tar -C /src --strip-components=1 -xf /tmp/tovalin.tar.xz
cd /src
source scripts/lib/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${XVFB_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
    "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" python3-pefile \
    >/tmp/packages.log || { tail -n 30 /tmp/packages.log; exit 1; }
ensure_npm >>/tmp/packages.log
echo "Debian $(cat /etc/debian_version): $(clang++ --version | head -n 1); $(g++ --version | head -n 1)"
echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), $(x86_64-w64-mingw32-g++-win32 --version | head -n 1)"
reuse lint >/tmp/reuse.log || { cat /tmp/reuse.log; exit 1; }
tail -n 1 /tmp/reuse.log

build() { # DIR CMAKE_OPTIONS...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DTOVALIN_WERROR=ON "$@" >"$dir.log"
    cmake --build "$dir" -j2 >>"$dir.log" 2>&1 || { grep -B2 -A8 -E "error|warning" "$dir.log" | head -n 60; exit 1; }
}
mkdir -p /build
build /build/clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTOVALIN_SANITIZE=ON -DTOVALIN_WEB=ON
ctest --test-dir /build/clang -L "core|gui|web" -j2 --output-on-failure | tail -n 4
build /build/gcc -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVALIN_TESTS=OFF
for arch in x64:x86_64 x86:i686; do
    build /build/windows-${arch%%:*} -DCMAKE_TOOLCHAIN_FILE=/src/cmake/mingw-w64-${arch##*:}.cmake \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTOVALIN_TESTS=OFF
    exe=/build/windows-${arch%%:*}/window/win32/Tvl.exe
    python3 tests/window/win32/check_imports.py "$exe" ${arch%%:*} | tail -n 1
    python3 tests/window/win32/check_resources.py "$exe" ${arch%%:*} "$(bash scripts/lib/version.sh .)" \
        >/dev/null
done
SCRIPT

# The certificates this machine trusts, for npm behind the same network.
"$here/tests/tools/mmdebstrap.sh" trixie /dev/null --variant=apt --include=ca-certificates,xz-utils \
    --skip=download/empty --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $work/apt-cache /var/cache/apt/archives/" \
    --customize-hook="upload $work/tovalin-$version.tar.xz /tmp/tovalin.tar.xz" \
    --customize-hook="upload $work/in-root.sh /tmp/in-root.sh" \
    --customize-hook="upload /etc/ssl/certs/ca-certificates.crt /etc/host-ca.pem" \
    --customize-hook='chroot "$1" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive NODE_EXTRA_CA_CERTS=/etc/host-ca.pem \
        /bin/bash -euo pipefail /tmp/in-root.sh' \
    --customize-hook="sync-out /var/cache/apt/archives $work/apt-cache"
