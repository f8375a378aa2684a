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
    if [ -z "${TOVALIN_APT_UPDATED:-}" ]; then
        "${sudo[@]}" apt-get update -q
        TOVALIN_APT_UPDATED=1
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# Building the program: compiler, CMake, Qt Widgets with its Chinese texts, and
# a font with Chinese glyphs; rsvg-convert renders the icons.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-wqy-microhei
    librsvg2-bin)

# Running it on a virtual X server where there is no display.
XVFB_PACKAGES=(xvfb xauth xdotool xclip x11-utils imagemagick python3-xlib)

# Cross-building the Windows executable, its icon made from the SVG.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    librsvg2-bin python3-pil)

# Testing it: GoogleTest's sources for the cross build, Wine, and a PE reader.
WINE_PACKAGES=(googletest wine wine64 python3-pefile)

# Packaging: the .deb and its checks (lintian, the desktop files, Qt's Wayland
# platform in a headless Weston), and the Windows MSIs (wixl and msitools).
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream lintian weston qt6-wayland
    wixl msitools)

# The tests and benchmarks: clang's sanitizers and libFuzzer, GoogleTest, Google Benchmark.
TEST_PACKAGES=(clang clang-format libclang-rt-14-dev libgtest-dev libbenchmark-dev)
