#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Makes the Windows downloads from the two executables: the portable zip and
# an MSI installer for each processor, in OUT_DIR.
# Usage: make_dist.sh OUT_DIR X64_EXE X86_EXE ICON
# Where TOVALIN_SIGN_PKCS12 names a PKCS#12 file (its password in the file
# TOVALIN_SIGN_PASSWORD_FILE), the executables are signed before they are
# packed, and then the MSIs: Authenticode, SHA-256, time-stamped where
# TOVALIN_SIGN_TIMESTAMP_URL names an RFC 3161 server.
set -euo pipefail
out=$1 x64=$2 x86=$3 icon=$4
here=$(cd "$(dirname "$0")" && pwd)
version=$(bash "$here/../../../scripts/lib/version.sh" "$here/../../..")
# Every time stamp is the release's date, and every mode is set here, so that
# the same sources give the same bytes.
SOURCE_DATE_EPOCH=$(bash "$here/../../../scripts/lib/release_date.sh" "$here/../../..")
export SOURCE_DATE_EPOCH TZ=UTC
stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
# Runs a command with the clock frozen at SOURCE_DATE_EPOCH, even where the
# whole build already runs under a shifted one.
frozen() {
    env -u LD_PRELOAD -u FAKETIME -u FAKETIME_SHARED faketime -f "$stamp" "$@"
}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out" "$stage/x64" "$stage/x86"
cp "$x64" "$stage/x64/Tvl.exe"
cp "$x86" "$stage/x86/Tvl.exe"
cp "$icon" "$stage/tovalin.ico"

# Text files as Notepad from Windows XP on reads them: UTF-8 with a byte-order mark, CR LF.
windows_text() {
    printf '\xef\xbb\xbf'
    sed 's/$/\r/' "$1"
}
windows_text "$here/../../../LICENSE" >"$stage/LICENSE.txt"
windows_text <(sed "s/@VERSION@/$version/" "$here/README.txt") >"$stage/README.txt"
chmod 755 "$stage/x64" "$stage/x86" "$stage"/*/Tvl.exe
chmod 644 "$stage"/*.txt "$stage/tovalin.ico"

sign() {
    [ -n "${TOVALIN_SIGN_PKCS12:-}" ] || return 0
    local options=(-pkcs12 "$TOVALIN_SIGN_PKCS12" -h sha256 -n Tovalin)
    [ -z "${TOVALIN_SIGN_PASSWORD_FILE:-}" ] || options+=(-readpass "$TOVALIN_SIGN_PASSWORD_FILE")
    [ -z "${TOVALIN_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$TOVALIN_SIGN_TIMESTAMP_URL")
    osslsigncode sign "${options[@]}" -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
}
for arch in x64 x86; do
    sign "$stage/$arch/Tvl.exe"
done
chmod 755 "$stage"/*/Tvl.exe
touch -h -d "@$SOURCE_DATE_EPOCH" "$stage"/* "$stage"/*/*

zip=$out/tovalin-$version-windows.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip x64/Tvl.exe x86/Tvl.exe LICENSE.txt README.txt)
# libarchive records the owner's ids and extra time fields.
strip-nondeterminism -t zip -T "$SOURCE_DATE_EPOCH" "$zip" >/dev/null
echo "Built $zip"

# One UpgradeCode for both processors and every version: installing a later
# version, or the other processor's, replaces what is there. The other ids are
# name-based: the product code from it, the version and the processor; the
# package code from what goes into the package.
upgrade_code=DAD9BE1C-9673-4DEA-9A37-0323BB3FC160
uuid_of() {
    uuidgen --sha1 --namespace "$upgrade_code" --name "$1" | tr a-f A-F
}
for arch in x64 x86; do
    msi=$out/tovalin-$version-$arch.msi
    product_code=$(uuid_of "Tovalin $version $arch")
    contents=$(cat "$stage/$arch/Tvl.exe" "$stage/tovalin.ico" "$here/tovalin.wxs" | sha256sum)
    package_code=$(uuid_of "$product_code ${contents%% *}")
    rm -f "$msi"
    # wixl reads the sources relative to the current folder, and takes the
    # summary's times from the clock: a frozen one here.
    (cd "$stage" && frozen wixl -a "$arch" -D Arch="$arch" -D Exe="$arch/Tvl.exe" \
        -D Icon=tovalin.ico -D Version="$version" -D ProductCode="$product_code" \
        -D UpgradeCode="$upgrade_code" \
        -o "$msi" "$here/tovalin.wxs")
    # wixl marks the package English (1033) whatever the product's language:
    # mark it Chinese (PRC), as the product is, with the package code above.
    template=$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')
    frozen msibuild "$msi" -s "Tovalin $version" "Tovalin developers" \
        "${template%%;*};2052" "{$package_code}"
    sign "$msi"
    echo "Built $msi"
done
