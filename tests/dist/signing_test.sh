#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Signs the source release and SHA256SUMS with a throw-away OpenPGP key and
# the Windows downloads with a throw-away certificate, verifies every
# signature, and runs the signed x86-64 executable through the Win32 driver.
# Usage: signing_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
release=release/tovalin-$(bash "$here/../scripts/lib/version.sh" "$here/..").tar.xz
work=$build/signing
rm -rf "$work"
mkdir -p "$work/unpacked"
cd "$work"
status=0

export GNUPGHOME=$work/gnupg
mkdir -m 700 "$GNUPGHOME" release
gpg --batch --passphrase '' --quick-gen-key "Tovalin test <test@example.org>" ed25519 sign 2d 2>/dev/null
key=$(gpg --with-colons --list-keys 2>/dev/null | awk -F: '$1 == "fpr" { print $10; exit }')
gpg --export "$key" >release-key.gpg
gpg --armor --export "$key" >release-key.asc
bash "$here/../scripts/lib/source_release.sh" release
(cd release && sha256sum "${release#release/}" >SHA256SUMS)
TOVALIN_SIGN_OPENPGP_KEY=$key bash "$here/../scripts/lib/sign_release.sh" release
gpgconf --kill gpg-agent
verifies() { # FILE: its signature holds for gpgv and for sqop
    gpgv --keyring ./release-key.gpg "$1.asc" "$1" 2>/dev/null &&
        sqop verify "$1.asc" release-key.asc <"$1" >/dev/null
}
for file in "$release" release/SHA256SUMS; do
    verifies "$file" && echo "signed: $file" || { echo "FAIL: $file.asc does not verify"; status=1; }
done
printf 'x' | dd of="$release" bs=1 seek=100 conv=notrunc status=none
! verifies "$release" || { echo "FAIL: a changed tarball verifies"; status=1; }

echo "throw-away" >password
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj "/CN=Tovalin test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out signing.p12 -passout file:password
win=$build/windows-x64/window/win32
TOVALIN_SIGN_PKCS12=$work/signing.p12 TOVALIN_SIGN_PASSWORD_FILE=$work/password \
    "$here/../window/win32/dist/make_dist.sh" "$work/out" "$win/Tvl.exe" \
    "$build/windows-x86/window/win32/Tvl.exe" "$win/tovalin.ico"
(cd unpacked && cmake -E tar xf "$work"/out/tovalin-*-windows.zip)

for file in unpacked/x64/Tvl.exe unpacked/x86/Tvl.exe out/*.msi; do
    if osslsigncode verify -CAfile cert.pem -in "$file" >"$work/verify.log" 2>&1; then
        echo "signed: $file"
    else
        cat "$work/verify.log"
        echo "FAIL: $file is not signed as it should be"
        status=1
    fi
done
"$here/window/win32/e2e_wine.sh" "$build/windows-x64/tests/window/win32/driver.exe" \
    "$work/unpacked/x64/Tvl.exe" "$work/screenshots" 96 || status=1
exit "$status"
