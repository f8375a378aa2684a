# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages named, running apt-get only when one is missing.
# Sourced by the scripts in this folder.

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # A source that fails to update (one that is down, a mirror in the middle
    # of a sync) may hold nothing of what is missing: the install decides.
    if [ -z "${TOVALIN_APT_UPDATED:-}" ]; then
        "${sudo[@]}" apt-get update -q ||
            echo "warning: apt-get update failed for some sources (above); installing anyway" >&2
        TOVALIN_APT_UPDATED=1
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}" || {
        echo "error: apt-get could not install ${missing[*]}: see its message above" >&2
        return 1
    }
}

# Building the program: compiler, CMake, Qt Widgets with its Chinese texts, and
# a font with Chinese glyphs; rsvg-convert renders the icons.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-wqy-microhei
    librsvg2-bin)

# Running it on a virtual X server where there is no display.
XVFB_PACKAGES=(xvfb xauth xdotool xclip x11-utils imagemagick python3-xlib)

# Cross-building the Windows executables (win32 thread model: no thread
# library), their icon made from the SVG.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
    librsvg2-bin python3-pil)

# Testing them: GoogleTest's sources and the posix thread model it needs for
# the cross build, Wine, and a PE reader; 32-bit Wine comes from ensure_wine32.
WINE_PACKAGES=(googletest g++-mingw-w64-x86-64-posix wine wine64 python3-pefile)

# Packaging: the Debian packages, built as Debian builds them (debhelper), and
# their checks (lintian, blhc, hardening-check from devscripts, the desktop
# files, Qt's Wayland platform in a headless Weston); the Windows MSIs (wixl and
# msitools) and zip, made reproducible (faketime, strip-nondeterminism, uuidgen)
# and signed where asked (osslsigncode; openssl makes the tests' throw-away
# certificate); the source release's OpenPGP signature (gpg, and gpgv and sqop
# to check it); the apt repository (apt-ftparchive from apt-utils).
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper file desktop-file-utils appstream lintian blhc devscripts
    weston qt6-wayland
    wixl msitools faketime strip-nondeterminism uuid-runtime osslsigncode openssl
    gpg gpg-agent gpgv sqop apt-utils)

# The page: the core compiled to WebAssembly with clang, for wasm32-wasi.
WEB_PACKAGES=(clang lld wasi-libc libc++-dev-wasm32 libclang-rt-dev-wasm32 python3)

# Testing it in Chromium and in WebKit (WebKitWebDriver with MiniBrowser),
# driven from Node.js; npm is part of some Node.js packages.
WEB_TEST_PACKAGES=(chromium webkit2gtk-driver nodejs)
ensure_npm() {
    command -v npm >/dev/null || ensure_packages npm
}

# The tests and benchmarks: clang's sanitizers and libFuzzer, GoogleTest, Google Benchmark;
# the format checks (clang-format, and reuse for every file's licence).
TEST_PACKAGES=(clang clang-format reuse libclang-rt-dev libgtest-dev libbenchmark-dev)

# 32-bit Wine, for the i686 executable's tests. Where the kernel runs no 32-bit
# x86 code, qemu-user runs it, registered before any i386 package is installed,
# since their set-up may run their own programs.
ensure_wine32() {
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    runs_i386 || ensure_emulation i386
    runs_i386 || { echo "cannot run i386 programs, even through qemu-user" >&2; return 1; }
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
        TOVALIN_APT_UPDATED=
    fi
    ensure_packages wine32:i386
}

# The tests on other Debian releases and processors, with Debian's own tools:
# roots made by mmdebstrap, packages built by sbuild, the installed package
# tested by autopkgtest, both in user namespaces (uidmap, and subordinate ids
# for root from ensure_subids), and installed, upgraded and purged by piuparts;
# the source package built twice by reprotest, with what its variations need.
OTHER_SYSTEM_PACKAGES=(mmdebstrap arch-test sbuild autopkgtest piuparts uidmap iproute2
    reprotest diffoscope-minimal disorderfs faketime locales-all sudo)

# reprotest's user_group variation builds as another user, who mounts the
# tree through disorderfs (FUSE): a system user for it, and /dev/fuse open to
# every user, as Debian's udev makes it (a machine without udev may not).
ensure_build_user() {
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    id tovalin-build >/dev/null 2>&1 || "${sudo[@]}" useradd --system --user-group \
        --no-create-home --home-dir /nonexistent tovalin-build
    [ ! -c /dev/fuse ] || "${sudo[@]}" chmod 0666 /dev/fuse
}

# Subordinate user and group ids for root, which sbuild's and autopkgtest's
# unshare modes map into their roots: added where root has none, after every
# range already given out.
ensure_subids() {
    local sudo=() file start
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    for file in /etc/subuid /etc/subgid; do
        grep -qs '^root:' "$file" && continue
        start=$(awk -F: 'BEGIN { end = 100000 } $2 + $3 > end { end = $2 + $3 } END { print end }' \
            "$file" 2>/dev/null || echo 100000)
        echo "root:$start:65536" | "${sudo[@]}" tee -a "$file" >/dev/null
    done
}

# Cross-building the Debian package for other processors (arm64, armhf), as
# Debian cross-builds: each beside this machine's own architecture, its cross
# compiler, and its Qt development files and GoogleTest (Qt's build tools stay
# this machine's); the core's tests run through qemu-user.
ensure_cross() {
    local sudo=() arch packages=() cpus=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    for arch in "$@"; do
        if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            "${sudo[@]}" dpkg --add-architecture "$arch"
            TOVALIN_APT_UPDATED=
        fi
        packages+=("crossbuild-essential-$arch" "qt6-base-dev:$arch" "libgtest-dev:$arch")
        cpus+=("$(cpu_of "$arch")")
    done
    [ "$#" -eq 0 ] || { ensure_packages "${packages[@]}" && ensure_emulation "${cpus[@]}"; }
}
# qemu's name for a Debian architecture's processor.
cpu_of() {
    case $1 in arm64) echo aarch64 ;; armhf) echo arm ;; *) echo "$1" ;; esac
}

# Programs for another processor (i386, aarch64) run through qemu-user, with
# the format definitions that Debian's qemu ships: through binfmt-support's
# update-binfmts where qemu-user-static has files for it (Debian 12), otherwise
# as systemd-binfmt loads its binfmt.d file (Debian 13). For i386 on an x86-64
# machine, whose kernel usually runs it, Debian ships none: there the
# definition is the project's own (tests/tools/binfmt.d). The F flag opens the
# interpreter at once, so that it serves in every root and mount namespace.
ensure_emulation() {
    local sudo=() cpu conf
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    ensure_packages qemu-user-static binfmt-support
    local binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || "${sudo[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
    for cpu in "$@"; do
        [ -e "$binfmt/qemu-$cpu" ] && continue
        if [ -e "/usr/share/binfmts/qemu-$cpu" ]; then
            "${sudo[@]}" update-binfmts --enable "qemu-$cpu"
            continue
        fi
        conf=/usr/lib/binfmt.d/qemu-$cpu.conf
        [ -e "$conf" ] || conf=$(dirname "${BASH_SOURCE[0]}")/../../tests/tools/binfmt.d/qemu-$cpu.conf
        grep -v '^#' "$conf" | "${sudo[@]}" tee "$binfmt/register" >/dev/null
    done
}

# Whether an i386 program runs here: a 93-byte one that calls exit(0).
runs_i386() {
    local elf
    elf=$(mktemp)
    printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0' >"$elf"
    printf '\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0' >>"$elf"
    printf '\x31\xdb\xb8\x01\0\0\0\xcd\x80' >>"$elf"
    chmod +x "$elf"
    local status=0
    "$elf" 2>/dev/null || status=$?
    rm -f "$elf"
    return "$status"
}
