#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Writes OUT_DIR/apt/, an apt repository of the Debian packages in OUT_DIR:
# the program and its -dbgsym package for each processor built (amd64,
# arm64, armhf), and the source package, under pool/; one suite named for this machine's Debian release
# (bookworm, trixie), component main, made by apt-ftparchive. Its Release is
# dated the release's date and lists SHA-256 and SHA-512
# sums only. With TOVALIN_SIGN_OPENPGP_KEY (a fingerprint; gpg, from GNUPGHOME
# where set) it is signed with SHA-512 digests, InRelease and Release.gpg, and
# the public key goes beside them as tovalin-archive-keyring.pgp; with
# TOVALIN_APT_URI too, OUT_DIR/tovalin.sources is the deb822 source a user
# adds to reach it there, the key inline. Unsigned, the same packages give
# the same bytes.
# Usage: apt_repository.sh OUT_DIR
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(cd "$1" && pwd)
version=$(bash "$src/scripts/lib/version.sh" "$src" --debian)
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
date=$(LC_ALL=C date -u -R -d "@$(bash "$src/scripts/lib/release_date.sh" "$src")")
key=${TOVALIN_SIGN_OPENPGP_KEY:-}
if [ -n "${TOVALIN_APT_URI:-}" ] && [ -z "$key" ]; then
    echo "error: TOVALIN_APT_URI needs TOVALIN_SIGN_OPENPGP_KEY: apt refuses an unsigned source" >&2
    exit 1
fi
repo=$out/apt
dist=dists/$suite
pool=pool/main/t/tovalin
rm -rf "$repo" "$out/tovalin.sources"
mkdir -p "$repo/$pool" "$repo/$dist/main/source"
cp "$out"/tovalin{,-dbgsym}_"${version}"_*.deb "$out/tovalin_$version.dsc" \
    "$out/tovalin_${version%-*}.orig.tar.xz" "$out/tovalin_$version.debian.tar.xz" "$repo/$pool/"
cd "$repo"
sums=(-qq --no-md5 --no-sha1)
for arch in amd64 arm64 armhf; do
    mkdir -p "$dist/main/binary-$arch"
    apt-ftparchive "${sums[@]}" --arch "$arch" packages pool >"$dist/main/binary-$arch/Packages"
done
apt-ftparchive "${sums[@]}" sources pool >"$dist/main/source/Sources"
xz -T1 -k "$dist"/main/*/*
release=APT::FTPArchive::Release
apt-ftparchive "${sums[@]}" -o "$release::Origin=Tovalin" -o "$release::Label=Tovalin" \
    -o "$release::Suite=$suite" -o "$release::Codename=$suite" \
    -o "$release::Architectures=amd64 arm64 armhf" -o "$release::Components=main" \
    -o "$release::Date=$date" \
    release "$dist" >"$dist/Release.part"
mv "$dist/Release.part" "$dist/Release"
[ -n "$key" ] || exit 0

signing=(gpg --batch --yes --local-user "$key" --digest-algo SHA512)
"${signing[@]}" --clearsign --output "$dist/InRelease" "$dist/Release"
"${signing[@]}" --armor --detach-sign --output "$dist/Release.gpg" "$dist/Release"
gpg --batch --export "$key" >tovalin-archive-keyring.pgp
[ -n "${TOVALIN_APT_URI:-}" ] || exit 0
{
    printf 'Types: deb deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By:\n' \
        "$TOVALIN_APT_URI" "$suite"
    # Inline, each line of the armoured key indented, an empty one written " .".
    gpg --batch --armor --export "$key" | sed 's/^$/./; s/^/ /'
} >"$out/tovalin.sources"
