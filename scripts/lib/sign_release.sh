#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Signs the source release and SHA256SUMS in DIR with the OpenPGP key whose
# fingerprint TOVALIN_SIGN_OPENPGP_KEY gives (gpg, from GNUPGHOME where set):
# detached, ASCII-armoured FILE.asc beside each. Without the variable nothing
# is signed, and signatures left from an earlier run go.
# Usage: sign_release.sh DIR
set -euo pipefail
release=tovalin-$(bash "$(dirname "$0")/version.sh" "$(dirname "$0")/../..").tar.xz
cd "$1"
rm -f -- "$release.asc" SHA256SUMS.asc
[ -n "${TOVALIN_SIGN_OPENPGP_KEY:-}" ] || exit 0
for file in "$release" SHA256SUMS; do
    gpg --batch --yes --local-user "$TOVALIN_SIGN_OPENPGP_KEY" --armor --detach-sign \
        --output "$file.asc" "$file"
done
ls -l -- "$release.asc" SHA256SUMS.asc
