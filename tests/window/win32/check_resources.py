#!/usr/bin/python3
"""Reads the Windows executable's version record and icon back and checks them."""
import struct
import sys

import pefile

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


pe = pefile.PE(sys.argv[1])
fixed = pe.VS_FIXEDFILEINFO[0]
check((fixed.FileVersionMS, fixed.FileVersionLS) == (0x10000, 0), "file version 1.0.0.0")
check((fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x10000, 0), "product version 1.0.0.0")

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
    check(strings.get("FileVersion") == "1.00", "FileVersion 1.00")
    check(strings.get("ProductVersion") == "1.00", "ProductVersion 1.00")
    check(strings.get("ProductName") == "Tovalin", "ProductName Tovalin")
    internal = strings.get("InternalName", "")
    check(0 < len(internal) < len("Tovalin"), "InternalName is a shorter form of the name")
    check(strings.get("OriginalFilename") == internal + ".exe", "OriginalFilename")
    check(bool(strings.get("CompanyName")), "CompanyName present")
    check(sys.argv[1].replace("\\", "/").rsplit("/", 1)[-1] == internal + ".exe",
          "the file is named as OriginalFilename")
check(translations == ["0x0804 0x04b0"], f"Translation {translations}")

# The icon group and its images: (width, height, colours, bits per pixel).
icons, groups = {}, []
for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
    for named in entry.directory.entries:
        for lang in named.directory.entries:
            data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
            if entry.id == pefile.RESOURCE_TYPE["RT_ICON"]:
                icons[named.id] = data
            elif entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
                groups.append(data)
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

sys.exit(1 if failures else 0)
