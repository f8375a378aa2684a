#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Fails when the Windows executable imports a function outside xp_imports.txt,
the functions it may import: each one exported by Windows XP SP3 (i686) or
XP x64 (x86-64), or by both. Newer functions are looked up at run time, and the
compiler guard (_WIN32_WINNT 0x0501) keeps direct calls of them out.
Usage: check_imports.py Tvl.exe x64|x86"""
import pathlib
import sys

import pefile

exe, arch = sys.argv[1], sys.argv[2]
machine = "x86_64" if arch == "x64" else "i686"

# "dll function" on both processors; a third word limits it to one.
allowed = set()
listing = pathlib.Path(__file__).with_name("xp_imports.txt")
for line in listing.read_text().splitlines():
    words = line.split("#", 1)[0].split()
    if words and words[2:] in ([], [machine]):
        allowed.add((words[0], words[1]))

pe = pefile.PE(exe)
failures = 0
entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
for entry in entries:
    dll = entry.dll.decode().lower()
    imported = [i.name.decode() if i.name else f"#{i.ordinal}" for i in entry.imports]
    print(f"{dll}: {len(imported)} functions")
    for name in imported:
        if (dll, name) not in allowed:
            print(f"FAIL: imports {dll} {name}, which is not among what Windows XP ({machine}) exports")
            failures += 1
size = pathlib.Path(exe).stat().st_size
print(f"{size} bytes")
if size > 256 * 1024:
    print("FAIL: larger than 256 KiB")
    failures += 1
sys.exit(1 if failures else 0)
