#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# The Windows downloads: the zip holds exactly the tested executables, the
# licence and the read-me; the x86-64 MSI installs and starts under Wine, the
# next release's (next_version.sh's, in BUILD_DIR/next-version) replaces it,
# and that one uninstalls cleanly; the i686 MSI, which cannot run here, is
# read statically.
# Usage: windows_dist_test.sh BUILD_DIR   (on an X server, in the tests' Wine prefix)
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
exe() { echo "$build/windows-$1/window/win32/Tvl.exe"; }
version=$(bash "$here/../scripts/lib/version.sh" "$here/..")
next_tree=$build/next-version/tree
next_version=$(bash "$next_tree/scripts/lib/version.sh" "$next_tree")
zip=$build/tovalin-$version-windows.zip
for f in "$zip" "$build/tovalin-$version-x64.msi" "$build/tovalin-$version-x86.msi"; do
    echo "$(basename "$f"): $(stat -c %s "$f") bytes"
done

# The zip: these four files and nothing else, the executables byte for byte.
/usr/bin/python3 - "$zip" "$(exe x64)" "$(exe x86)" <<'PY' || fail "zip contents"
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
names = sorted(n for n in z.namelist() if not n.endswith("/"))
print("zip holds:", names)
assert names == ["LICENSE.txt", "README.txt", "x64/Tvl.exe", "x86/Tvl.exe"], names
for name, path in (("x64/Tvl.exe", sys.argv[2]), ("x86/Tvl.exe", sys.argv[3])):
    assert z.read(name) == open(path, "rb").read(), name + " is not the tested executable"
readme = z.read("README.txt").decode("utf-8-sig")
assert "按字节倒序" in readme and "byte order" in readme, "read-me in Chinese and English"
PY

# Both MSIs: the tables an install needs, Chinese (PRC), one upgrade code.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for arch in x64 x86; do
    msi=$build/tovalin-$version-$arch.msi
    tables=" $(msiinfo tables "$msi" | tr '\n' ' ')"
    for table in File Component Directory Feature Shortcut Icon Upgrade Property Media; do
        [[ "$tables" == *" $table "* ]] || fail "$arch MSI has no $table table"
    done
    msiinfo export "$msi" Property | tr -d '\r' >"$work/$arch.property"
    for row in "ProductVersion"$'\t'"$version" $'ProductLanguage\t2052' $'ARPPRODUCTICON\ttovalin.ico' \
        $'UpgradeCode\t{DAD9BE1C-9673-4DEA-9A37-0323BB3FC160}' $'Manufacturer\tTovalin developers'; do
        grep -qxF "$row" "$work/$arch.property" || fail "$arch MSI property ${row/$'\t'/=}"
    done
    msiinfo suminfo "$msi" | grep -qx "Template: $([ $arch = x64 ] && echo x64 || echo Intel);2052" ||
        fail "$arch MSI is not marked $arch, Chinese (PRC)"
    (cd "$work" && mkdir "$arch" && cd "$arch" && msiextract "$msi" >/dev/null)
    extracted=$(find "$work/$arch" -name Tvl.exe)
    cmp -s "$extracted" "$(exe $arch)" || fail "$arch MSI does not hold the tested executable"
done

# The x86-64 MSI under Wine: install, start, uninstall, all silently.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" # no host menu entries
c=$WINEPREFIX/drive_c
installed="$c/Program Files/Tovalin/Tvl.exe"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
links() { find "$c/ProgramData" "$c/users" -path '*Start Menu/Programs/Tovalin.lnk' 2>/dev/null; }
entry() { wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -A30 'DisplayName.*Tovalin' || true; }

wine msiexec /i "$(winepath -w "$build/tovalin-$version-x64.msi")" /qn || fail "msiexec /i"
wineserver -w
cmp -s "$installed" "$(exe x64)" || fail "not installed under Program Files"
[ -n "$(links)" ] || fail "no Start-menu shortcut"
echo "shortcut: $(links | sed "s|$c/||")"
listed=$(entry)
echo "$listed" | grep -E 'DisplayVersion|Publisher'
grep -qE "DisplayVersion +REG_SZ +$version\$" <<<"$listed" || fail "installed programs list lacks version $version"
grep -qE 'Publisher +REG_SZ +Tovalin developers$' <<<"$listed" || fail "no publisher"

"$here/window/win32/e2e_wine.sh" "$build/windows-x64/tests/window/win32/driver.exe" "$installed" \
    "$build/screenshots/msi" 96 || fail "the installed program"

# The next release replaces it: one entry, in its version, and the shortcut kept.
next=$(winepath -w "$build/next-version/out/tovalin-$next_version-x64.msi")
wine msiexec /i "$next" /qn || fail "msiexec /i of $next_version"
wineserver -w
entries=$(wine reg query "$uninstall" /s 2>/dev/null | grep -c 'DisplayName.*Tovalin' || true)
[ "$entries" = 1 ] && grep -qE "DisplayVersion +REG_SZ +$next_version\$" <<<"$(entry)" ||
    fail "after the upgrade, $entries installed programs entries: $(entry)"
/usr/bin/python3 "$here/window/win32/check_resources.py" "$installed" x64 "$next_version" >/dev/null ||
    fail "the installed Tvl.exe is not $next_version's"
[ -n "$(links)" ] || fail "the upgrade lost the shortcut"
echo "upgraded: one installed programs entry, $next_version, the shortcut kept"

wine msiexec /x "$next" /qn || fail "msiexec /x"
wineserver -w
[ ! -e "$installed" ] && [ ! -e "$(dirname "$installed")" ] || fail "uninstall left the program"
[ -z "$(links)" ] || fail "uninstall left the shortcut"
[ -z "$(entry)" ] || fail "uninstall left the installed programs entry"
echo "Windows downloads passed"
