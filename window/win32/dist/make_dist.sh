#!/usr/bin/env bash
# Makes the Windows downloads from the two executables: the portable zip and
# an MSI installer for each processor, in OUT_DIR.
# Usage: make_dist.sh OUT_DIR X64_EXE X86_EXE ICON
set -euo pipefail
out=$1 x64=$2 x86=$3 icon=$4
here=$(cd "$(dirname "$0")" && pwd)
version=1.00
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out" "$stage/x64" "$stage/x86"
cp "$x64" "$stage/x64/Tvl.exe"
cp "$x86" "$stage/x86/Tvl.exe"
cp "$icon" "$stage/tovalin.ico"

# Text files as Notepad on Windows 7 reads them: UTF-8 with a byte-order mark, CR LF.
windows_text() {
    printf '\xef\xbb\xbf'
    sed 's/$/\r/' "$1"
}
windows_text "$here/../../../LICENSE" >"$stage/LICENSE.txt"
windows_text "$here/README.txt" >"$stage/README.txt"
zip=$out/tovalin-$version-windows.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip x64/Tvl.exe x86/Tvl.exe LICENSE.txt README.txt)
echo "Built $zip"

for arch in x64 x86; do
    msi=$out/tovalin-$version-$arch.msi
    # wixl reads the sources relative to the current folder.
    (cd "$stage" && wixl -a "$arch" -D Arch="$arch" -D Exe="$arch/Tvl.exe" -D Icon=tovalin.ico \
        -o "$msi" "$here/tovalin.wxs")
    # wixl marks the package English (1033) whatever the product's language:
    # mark it Chinese (PRC), as the product is.
    info=$(msiinfo suminfo "$msi")
    template=$(sed -n 's/^Template: //p' <<<"$info")
    uuid=$(sed -n 's/^Revision number (UUID): //p' <<<"$info")
    msibuild "$msi" -s "Tovalin $version" "Tovalin developers" "${template%%;*};2052" "$uuid"
    echo "Built $msi"
done
