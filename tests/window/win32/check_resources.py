#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Reads the Windows executable's PE header, version record and icon back and
checks them. Usage: check_resources.py Tvl.exe x64|x86 VERSION (such as 1.23)"""
import struct
import sys
import xml.etree.ElementTree as ET

import pefile

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


pe = pefile.PE(sys.argv[1])
wide = sys.argv[2] == "x64"
machine = pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64" if wide else "IMAGE_FILE_MACHINE_I386"]
check(pe.FILE_HEADER.Machine == machine, f"machine {pe.FILE_HEADER.Machine:#x}")
check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
      "GUI subsystem")
flags = pe.OPTIONAL_HEADER.DllCharacteristics
print(f"machine {pe.FILE_HEADER.Machine:#x}, DllCharacteristics {flags:#x}")
check(flags & 0x40 and flags & 0x100, "ASLR (dynamic base) and DEP (NX compatible)")
check(not wide or flags & 0x20, "high-entropy addresses")
# Windows XP refuses an executable whose header asks for a later NT: 5.1 on
# i686, 5.2 (XP x64) on x86-64.
xp = (5, 2) if wide else (5, 1)
header = pe.OPTIONAL_HEADER
for what in ("OperatingSystem", "Subsystem"):
    version = (getattr(header, f"Major{what}Version"), getattr(header, f"Minor{what}Version"))
    print(f"{what} version {version[0]}.{version[1]}")
    check(version <= xp, f"{what} version at most {xp[0]}.{xp[1]}")
relocs = pe.OPTIONAL_HEADER.DATA_DIRECTORY[5]
check(not pe.FILE_HEADER.Characteristics & 0x1 and relocs.Size > 0,
      "relocations kept, so that ASLR can move the image")
# Stack canaries: GCC's libssp is linked in only where a function checks one.
check(pe.__data__.find(b"stack smashing detected") >= 0, "stack protector (libssp linked in)")
# Version 1.23 is 1.23.0.0 in numbers.
version = sys.argv[3]
major, minor = (int(part) for part in version.split("."))
fixed = pe.VS_FIXEDFILEINFO[0]
check((fixed.FileVersionMS, fixed.FileVersionLS) == (major << 16 | minor, 0), "file version")
check((fixed.ProductVersionMS, fixed.ProductVersionLS) == (major << 16 | minor, 0),
      "product version")

tables, translations = [], []
for info in pe.FileInfo[0]:
    if info.Key == b"StringFileInfo":
        tables = info.StringTable
    elif info.Key == b"VarFileInfo":
        translations = [v for var in info.Var for v in var.entry.values()]
check(len(tables) == 1, "one string table")
table = tables[0] if tables else None
if table is not None:
    check(table.LangID == b"080404B0", f"string table key {table.LangID!r}")
    strings = {k.decode(): v.decode("utf-8") for k, v in table.entries.items()}
    print("version record:", strings)
    check(strings.get("FileVersion") == version, f"FileVersion {version}")
    check(strings.get("ProductVersion") == version, f"ProductVersion {version}")
    check(strings.get("ProductName") == "Tovalin", "ProductName Tovalin")
    internal = strings.get("InternalName", "")
    check(0 < len(internal) < len("Tovalin"), "InternalName is a shorter form of the name")
    check(strings.get("OriginalFilename") == internal + ".exe", "OriginalFilename")
    check(bool(strings.get("CompanyName")), "CompanyName present")
    check(sys.argv[1].replace("\\", "/").rsplit("/", 1)[-1] == internal + ".exe",
          "the file is named as OriginalFilename")
check(translations == ["0x0804 0x04b0"], f"Translation {translations}")

# The icon group and its images: (width, height, colours, bits per pixel).
icons, groups, manifest = {}, [], ""
for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
    for named in entry.directory.entries:
        for lang in named.directory.entries:
            data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
            if entry.id == pefile.RESOURCE_TYPE["RT_ICON"]:
                icons[named.id] = data
            elif entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
                groups.append(data)
            elif entry.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
                manifest = data.decode()
check(len(groups) == 1, "one icon group")
seen = []
if groups:
    _, _, count = struct.unpack_from("<HHH", groups[0])
    for i in range(count):
        width, height, colours, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH",
                                                                         groups[0], 6 + 14 * i)
        header = struct.unpack_from("<IiiHH", icons[icon_id])
        check(header[1] == width and header[2] == 2 * height and header[4] == bits,
              f"image {icon_id} bitmap header agrees with its group entry")
        seen.append((width, height, colours, bits))
print("icon images:", seen)
check(sorted(seen) == sorted([(32, 32, 2, 1), (32, 32, 16, 4), (16, 16, 16, 4)]),
      "three icon images: 32x32 1-bit, 32x32 4-bit, 16x16 4-bit")

# A manifest for the other processor stops Windows from starting the program.
arch = "amd64" if wide else "x86"
check(f'name="Tovalin" version="1.0.0.0" processorArchitecture="{arch}"' in manifest,
      f"manifest names processor {arch}")
for os_id in ("35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
              "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"):
    check(os_id in manifest, f"manifest supports Windows {os_id}")
check(">true/pm<" in manifest and ">PerMonitorV2, PerMonitor<" in manifest,
      "manifest declares DPI awareness with its fallbacks")

# XP SP3 reads the assembly elements it knows and skips those in other
# namespaces; an unknown element in its own namespace stops the program.
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
known = {"assembly", "assemblyIdentity", "description", "dependency", "dependentAssembly"}
for element in ET.fromstring(manifest.encode()).iter() if manifest else []:
    check(not element.tag.startswith(ASM_V1) or element.tag[len(ASM_V1):] in known,
          f"manifest element {element.tag} is one Windows XP knows or in its own namespace")

sys.exit(1 if failures else 0)
