#!/usr/bin/env bash
# Signs the Windows downloads with a throw-away certificate, verifies every
# signature, and runs the signed x86-64 executable through the Win32 driver.
# Usage: signing_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
work=$build/signing
rm -rf "$work"
mkdir -p "$work/unpacked"
cd "$work"
echo "throw-away" >password
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj "/CN=Tovalin test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out signing.p12 -passout file:password
win=$build/windows-x64/window/win32
TOVALIN_SIGN_PKCS12=$work/signing.p12 TOVALIN_SIGN_PASSWORD_FILE=$work/password \
    "$here/../window/win32/dist/make_dist.sh" "$work/out" "$win/Tvl.exe" \
    "$build/windows-x86/window/win32/Tvl.exe" "$win/tovalin.ico"
(cd unpacked && cmake -E tar xf "$work/out/tovalin-1.00-windows.zip")

status=0
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
