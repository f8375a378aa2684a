#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The source package built as Debian's build daemons build it: by sbuild, in
# unshare mode, in a clean root holding only build-essential and the
# Build-Depends, so that a missing Build-Depends fails here. Five builds:
# amd64 on this machine's Debian release and on the other one (12 or 13), and
# arm64 and armhf cross-built on this machine's, and s390x (big-endian,
# checked, not shipped) on Debian 12 without its security suite, which no
# longer carries s390x (so amd64's libraries there would be newer than
# s390x's; Debian 13's s390x packages are missing from this archive): in each
# cross build the core's tests run through qemu-user. sbuild's cross
# builds would leave them out (the nocheck profile and option), so they are
# given neither. The packages built on this machine's release must be
# bit-identical to those scripts/package builds (DOWNLOADS_DIR, linked as
# WORK_DIR/native for the legs after this one). lintian runs inside each
# build at pedantic, but for the amd64 one here, which package_test.sh lints,
# and a tag the overrides do not justify fails the build. The roots, for every
# leg, are kept as tarballs in WORK_DIR; the packages stay in
# WORK_DIR/SUITE-ARCH for the autopkgtest leg.
# Usage: sbuild_test.sh WORK_DIR DOWNLOADS_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
source "$here/tests/dist/lintian_options.sh"
source "$here/scripts/lib/packages.sh"
ensure_emulation aarch64 arm s390x
own=$(. /etc/os-release && echo "$VERSION_CODENAME")
other=trixie
[ "$own" != trixie ] || other=bookworm
version=$(bash "$here/scripts/lib/version.sh" "$here" --debian)

# Waits for the jobs given, and fails if any failed.
all() {
    local job status=0
    for job in "$@"; do wait "$job" || status=1; done
    return "$status"
}

# The roots, where missing, the autopkgtest leg's arm64 and armhf ones too.
# With apt-utils: sbuild resolves a cross build's dependencies through apt's
# external solver, and copies in this machine's where the root has none, which
# another release's libraries cannot run.
native=$(cd "$2" && pwd)
rm -rf "$work/native"
ln -s "$native" "$work/native"
jobs=()
for suite in "$own" "$other"; do
    "$here/tests/tools/mmdebstrap.sh" "$suite" "$work/$suite-amd64.tar" --variant=buildd \
        --include=apt-utils & jobs+=($!)
done
TOVALIN_NO_SECURITY=1 "$here/tests/tools/mmdebstrap.sh" bookworm "$work/bookworm-nosecurity-amd64.tar" \
    --variant=buildd --include=apt-utils & jobs+=($!)
for arch in arm64 armhf; do
    "$here/tests/tools/mmdebstrap.sh" "$own" "$work/$own-$arch.tar" --variant=apt --architectures=$arch &
    jobs+=($!)
done
all "${jobs[@]}"

# A failed leg's log, then the kernel's last words and the memory and space
# left: a program killed without a message (such as the tar that unpacks a
# root) leaves nothing else to go on.
failed() { # BUILD_LOG
    tail -n 60 "$1"
    echo "--- the kernel's last messages, memory and space when it failed:"
    dmesg 2>/dev/null | tail -n 20 || true
    grep -E "^Mem(Total|Available):" /proc/meminfo
    df -h "$work" /tmp
    return 1
}

build() { # SUITE [HOST_ARCH [ROOT]]
    local suite=$1 host=${2:-amd64} out=$work/$1-${2:-amd64} options=("${LINTIAN_OPTIONS[@]}")
    local root=$work/${3:-$1}-amd64.tar
    local started=$SECONDS lintian=--run-lintian
    # This machine's amd64 packages are scripts/package's, byte for byte
    # (below), which package_test.sh lints with the same options.
    [ "$suite-$host" != "$own-amd64" ] || lintian=--no-run-lintian
    [ "$suite" = bookworm ] || options+=("${LINTIAN_DEBIAN13_OPTIONS[@]}")
    rm -rf "$out"
    mkdir -p "$out"
    cat >"$out/sbuildrc" <<CONFIG
\$lintian_require_success = 1;
\$lintian_opts = [$(printf "'%s', " "${options[@]}")];
\$build_environment = { 'DEB_BUILD_OPTIONS' => 'parallel=2' };
\$build_profiles = '$([ "$host" = amd64 ] || echo cross)';
1;
CONFIG
    # The distribution that debian/changelog names, whichever release the root holds.
    (cd "$out" && DEB_BUILD_OPTIONS=parallel=2 SBUILD_CONFIG=$out/sbuildrc sbuild --chroot-mode=unshare \
        --chroot="$root" --dist=unstable --build=amd64 --host="$host" \
        "$lintian" --no-run-piuparts --no-run-autopkgtest --build-dir="$out" \
        "$native/tovalin_$version.dsc" >"$out/sbuild.log" 2>&1) ||
        failed "$out"/*Z.build
    echo "sbuild $suite $host: $(ls "$out"/*.deb | xargs -n1 basename | tr '\n' ' ')in" \
        "$((SECONDS - started)) s; lintian: $(sed -n 's/^Lintian: //p' "$out"/*Z.build |
            grep . || echo "package_test's");" \
        "core tests: $(grep -ho '[0-9]*% tests passed.*' "$out"/*Z.build)"
}
# The source scripts/package built once (DOWNLOADS_DIR/debian-amd64), built
# again in a copy, then cleaned: it must be as unpacked.
twice() {
    local tree=$work/twice/tovalin-${version%-*} started=$SECONDS
    rm -rf "$work/twice"
    mkdir -p "$work/twice/unpacked"
    tar -C "$work/twice/unpacked" --strip-components=1 -xf "$native/tovalin-${version%-*}.tar.xz"
    cp -a "$native/debian-amd64/tovalin-${version%-*}" "$tree"
    (cd "$tree" && dpkg-buildpackage -b -us -uc && debian/rules clean) >"$work/twice/build.log" 2>&1 ||
        failed "$work/twice/build.log"
    diff -r --no-dereference "$work/twice/unpacked" "$tree" || { echo "FAIL: not clean"; return 1; }
    echo "built twice and cleaned, the tree as unpacked, in $((SECONDS - started)) s"
}
# Three at a time: more at once overloaded this leg.
build "$own" & jobs=($!)
build "$other" & jobs+=($!)
build "$own" arm64 & jobs+=($!)
all "${jobs[@]}"
build "$own" armhf & jobs=($!)
build bookworm s390x bookworm-nosecurity & jobs+=($!)
twice & jobs+=($!)
all "${jobs[@]}"

# The same bytes as this machine's own builds.
for arch in amd64 arm64 armhf; do
    deb=tovalin_${version}_$arch.deb
    cmp "$native/$deb" "$work/$own-$arch/$deb" ||
        { echo "FAIL: sbuild's $deb differs from scripts/package's"; exit 1; }
    echo "$deb: identical, sha256 $(sha256sum <"$native/$deb" | cut -c1-16)…"
done
