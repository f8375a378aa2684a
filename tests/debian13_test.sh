#!/usr/bin/env bash
# Debian 13 as well as Debian 12: in a Debian 13 root (made once, kept in
# WORK_DIR), builds the program with clang and with GCC, warnings as errors,
# and the page, and runs the core, Qt and page tests there; cross-builds both
# Windows executables with its mingw-w64 and checks their imports and
# resources. The release's own sources go in, fresh each run.
# Usage: debian13_test.sh WORK_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
source "$here/scripts/lib/packages.sh"
source "$here/tests/tools/debian_root.sh"
root=$work/root
debian_root "$root" trixie
bash "$here/scripts/lib/source_release.sh" "$work"
rm -rf "$root/src"
mkdir -p "$root/src"
tar -C "$root/src" --strip-components=1 -xf "$work/tovalin-1.00.tar.xz"

in_root "$root" '
cd /src
source scripts/lib/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${XVFB_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
    "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" python3-pefile \
    >/tmp/packages.log || { tail -n 30 /tmp/packages.log; exit 1; }
ensure_npm >>/tmp/packages.log
echo "Debian $(cat /etc/debian_version): $(clang++ --version | head -n 1); $(g++ --version | head -n 1)"
echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), $(x86_64-w64-mingw32-g++-win32 --version | head -n 1)"

rm -rf /build && mkdir -p /build # the sources carry the release date: build afresh
build() { # DIR CMAKE_OPTIONS...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DTOVALIN_WERROR=ON "$@" >"$dir.log"
    cmake --build "$dir" -j2 >>"$dir.log" 2>&1 || { grep -B2 -A8 -E "error|warning" "$dir.log" | head -n 60; exit 1; }
}
build /build/clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTOVALIN_SANITIZE=ON -DTOVALIN_WEB=ON
ctest --test-dir /build/clang -L "core|gui|web" -j2 --output-on-failure | tail -n 4
build /build/gcc -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVALIN_TESTS=OFF
for arch in x64:x86_64 x86:i686; do
    build /build/windows-${arch%%:*} -DCMAKE_TOOLCHAIN_FILE=/src/cmake/mingw-w64-${arch##*:}.cmake \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTOVALIN_TESTS=OFF
    exe=/build/windows-${arch%%:*}/window/win32/Tvl.exe
    python3 tests/window/win32/check_imports.py "$exe" ${arch%%:*} | tail -n 1
    python3 tests/window/win32/check_resources.py "$exe" ${arch%%:*} >/dev/null
done
'
