#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The signed apt repository, served on 127.0.0.1 and added with its
# tovalin.sources in clean Debian 12 and 13 roots: install, apt-get source,
# the next release refused with a byte of Release or .deb changed, then the
# upgrade. Beside them, piuparts and reprotest.
# Usage: apt_test.sh WORK_DIR NEXT_DIR   (the sbuild leg's; next_version.sh's)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$1/apt next=$2/out own=$(. /etc/os-release && echo "$VERSION_CODENAME")
version=$(bash "$here/scripts/lib/version.sh" "$here" --debian)
next_version=$(bash "$2/tree/scripts/lib/version.sh" "$2/tree" --debian)
this=$work/${version%-*}
# Packages built on Debian 13 do not install on 12: a repository serves its
# own release and the later ones.
suites=(trixie)
[ "$own" != bookworm ] || suites=(bookworm trixie)
rm -rf "$work"
mkdir -p "$this"
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work" >"$work/http.log" 2>&1 &
server=$!
trap 'kill $server' EXIT
until uri=$(grep -o 'http://[^)]*' "$work/http.log"); do sleep 0.1; done
export GNUPGHOME=$work/gnupg TOVALIN_APT_URI=${uri}served/
mkdir -m 700 "$GNUPGHOME"
gpg --batch --passphrase '' --quick-gen-key "Tovalin test <test@example.org>" ed25519 sign 2d \
    2>/dev/null
export TOVALIN_SIGN_OPENPGP_KEY=$(gpg --with-colons --list-keys 2>/dev/null |
    awk -F: '$1 == "fpr" { print $10; exit }')
cp -l "$1"/native/tovalin*_* "$this/"
bash "$here/scripts/lib/apt_repository.sh" "$this"
# Older than the rest, so that the server's Last-Modified tells apt of each change.
find "$this/apt" -exec touch -d '1 hour ago' {} +
bash "$next/../tree/scripts/lib/apt_repository.sh" "$next"
gpgconf --kill gpg-agent
cp -a "$next/apt" "$work/changed-release"
sed -i 's/^Label: Tovalin$/Label: Tovalim/' "$work"/changed-release/dists/*/{InRelease,Release}
cp -a "$next/apt" "$work/changed-deb"
printf x | dd of="$work"/changed-deb/pool/main/t/tovalin/tovalin_${next_version}_amd64.deb bs=1 seek=9999 \
    conv=notrunc status=none

# In the root: update and install; the status and version must be those
# given, and given an origin, policy must name it and apt-get source work.
cat >"$work/step.sh" <<'STEP'
status=0
{ apt-get update -q --error-on=any && apt-get install -y -q --no-install-recommends tovalin; } \
    >/tmp/apt.log 2>&1 || status=1
version=$(dpkg-query -W -f='${Version}' tovalin 2>/dev/null || true)
echo "  status $status, installed ${version:-nothing}; $(grep -m1 '^E:' /tmp/apt.log)"
[ "$status" = "$1" ] && [ "$version" = "$2" ] || { tail -n 20 /tmp/apt.log; exit 1; }
[ -n "${3:-}" ] || exit 0
apt-cache policy tovalin | tee /tmp/policy | sed 's/^/  /'
grep -qF "$3 " /tmp/policy || { echo "FAIL: tovalin does not come from $3"; exit 1; }
cd /tmp && apt-get source -q --download-only tovalin >/tmp/source.log 2>&1 ||
    { cat /tmp/source.log; exit 1; }
echo "  apt-get source:" /tmp/tovalin_*
STEP
# piuparts in the sbuild leg's roots: install, purge, upgrade from this version
# (-i: Debian 13's debconf folder, unknown to Debian 12's piuparts).
piuparts_in() { # SUITE ROOTS_DIR
    local root=$work/root-$1 log=$work/piuparts-$1.log passed
    mkdir "$root" && tar -C "$root" -xf "$2/$1-amd64.tar"
    piuparts -e "$root" --hard-link -d "$1" -i /var/cache/debconf/tmp.ci/ >"$log" 2>&1 \
        --extra-repo="deb [trusted=yes] ${uri}${version%-*}/apt $own main" \
        "$next/tovalin_${next_version}_amd64.deb" && rm -rf "$root" &&
        passed=$(grep -h "PASS: Installation, upgrade and purging tests" "$log") ||
        { tail -n 30 "$log"; exit 1; }
    echo "piuparts $1: $passed"
}
# reprotest as Debian's CI runs it, its one build compared with scripts/package's
# packages, built at another path. Debian 12's gives sudo a host, which its
# sudo refuses: it gets plain sudo, as Debian 13's reprotest does.
reprotest_leg() { # SBUILD_WORK_DIR
    local out=$work/reprotest started=$SECONDS
    local run='import sys, reprotest, reprotest.build as b
b.SUDO[:] = ["sudo"]; sys.exit(reprotest.main())'
    rm -rf "$out" && mkdir -p "$out/control/source-root"
    cp "$1"/native/tovalin{,-dbgsym}_${version}_amd64.deb "$out/control/source-root/"
    touch -d @0 "$out/control" "$out/control/source-root" "$out/control/source-root"/*
    (cd "$out" && /usr/bin/python3 -c "$run" --min-cpus="$(nproc)" --vary=-time,-build_path \
        --vary=user_group.available+=tovalin-build:tovalin-build,domain_host.use_sudo=1 \
        --control-build="$out/control" "$1/native/tovalin_$version.dsc" -- null) >"$out.log" 2>&1 ||
        { grep -m1 -A60 '^--- ' "$out.log"; tail -n 5 "$out.log"; return 1; }
    echo "reprotest: $(grep -m1 '^No differences' "$out.log"), in $((SECONDS - started)) s"
}
legs=()
for suite in "${suites[@]}"; do piuparts_in "$suite" "$1" & legs+=($!); done
reprotest_leg "$1" & legs+=($!)
step() { # WHAT REPOSITORY STATUS VERSION [ORIGIN]
    echo "--customize-hook=ln -sfn $2 $work/served && echo ' $1:' &&
        chroot \"\$1\" sh /tmp/step.sh $3 $4 ${5:-}"
}
for suite in "${suites[@]}"; do
    started=$SECONDS
    echo "Debian $suite:"
    "$here/tests/tools/mmdebstrap.sh" "$suite" /dev/null --variant=apt \
        --customize-hook="copy-in $this/tovalin.sources /etc/apt/sources.list.d" \
        --customize-hook="copy-in $work/step.sh /tmp" \
        "$(step "$version" "$this/apt" 0 "$version" "${uri}served")" \
        "$(step "$next_version, a byte of Release changed" "$work/changed-release" 1 "$version")" \
        "$(step "$next_version, a byte of its .deb changed" "$work/changed-deb" 1 "$version")" \
        "$(step "$next_version" "$next/apt" 0 "$next_version")"
    echo "Debian $suite: passed in $((SECONDS - started)) s"
done
for leg in "${legs[@]}"; do wait "$leg"; done
