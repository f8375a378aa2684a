#!/usr/bin/env bash
# A Debian root as a tarball, made by mmdebstrap once and kept: what sbuild
# builds in and autopkgtest tests in. It takes its packages from the archive
# this machine's apt uses, for SUITE in place of this machine's own release,
# with that release's updates and security updates as here.
# Usage: debian_tarball.sh SUITE ARCH VARIANT OUT.tar [MMDEBSTRAP_OPTIONS...]
set -euo pipefail
suite=$1 arch=$2 variant=$3 out=$4
shift 4
[ -s "$out" ] && exit 0
here=$(dirname "$0")
sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
"$here/debian_sources.sh" "$suite" "$sources"
mkdir -p "$(dirname "$out")"
mmdebstrap --quiet --format=tar --variant="$variant" --architectures="$arch" --skip=output/mknod "$@" \
    "$suite" "$out.part" "$sources"/* >"$out.log" 2>&1 || { tail -n 30 "$out.log"; exit 1; }
mv "$out.part" "$out"
