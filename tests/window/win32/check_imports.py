#!/usr/bin/python3
"""Fails when the Windows executable imports a DLL or a function that Windows XP
does not export: XP SP3 for i686, XP x64 / Server 2003 SP2 for x86-64. Newer
functions are looked up at run time, and the compiler guard (_WIN32_WINNT
0x0501) keeps direct calls of them out.
Usage: check_imports.py EXPORTS_DIR Tvl.exe x64|x86
EXPORTS_DIR holds one list per DLL of what NT 5.2 exports (a second word limits
a name to one processor) and xp-i686-absent.txt, what 32-bit XP SP3 lacks."""
import pathlib
import sys

import pefile

exports, exe, arch = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
machine = "x86_64" if arch == "x64" else "i686"


def names(path):
    for line in path.read_text().splitlines():
        words = line.split("#", 1)[0].split()
        if words:
            yield words


allowed = {}
for listing in exports.glob("*.txt"):
    if listing.name in ("xp-i686-absent.txt", "after-win7.txt"):
        continue
    allowed[listing.stem + ".dll"] = {w[0] for w in names(listing) if w[1:] in ([], [machine])}
if machine == "i686":
    for dll, name in names(exports / "xp-i686-absent.txt"):
        allowed.get(dll.lower(), set()).discard(name)
if not allowed:
    sys.exit(f"no export lists in {exports}")

pe = pefile.PE(exe)
failures = 0
entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
for entry in entries:
    dll = entry.dll.decode().lower()
    imported = [i.name.decode() if i.name else f"#{i.ordinal}" for i in entry.imports]
    print(f"{dll}: {len(imported)} functions")
    if dll not in allowed:
        print(f"FAIL: imports {dll}, which is not among Windows XP's DLLs")
        failures += 1
        continue
    for name in imported:
        if name not in allowed[dll]:
            print(f"FAIL: imports {dll} {name}, which Windows XP ({machine}) does not export")
            failures += 1
sys.exit(1 if failures else 0)
