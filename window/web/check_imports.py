#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Fails the build when the WebAssembly module imports anything but the page's
own functions (module "page"): the page supplies nothing else, so any other
import, such as a WASI function pulled in by the C library, would stop the
module from loading at all.
Usage: check_imports.py MODULE.wasm"""
import sys


def leb(data, at):
    value = shift = 0
    while True:
        byte = data[at]
        at += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, at


def name(data, at):
    size, at = leb(data, at)
    return data[at:at + size].decode(), at + size


def imports(data):
    if data[:8] != b"\0asm\1\0\0\0":
        sys.exit(f"{sys.argv[1]}: not a WebAssembly module")
    at = 8
    while at < len(data):
        section, at = data[at], at + 1
        size, at = leb(data, at)
        if section == 2:
            count, at = leb(data, at)
            for _ in range(count):
                module, at = name(data, at)
                field, at = name(data, at)
                kind, at = data[at], at + 1
                yield module, field, kind
                if kind == 0:  # function: its type index
                    _, at = leb(data, at)
                else:
                    sys.exit(f"{sys.argv[1]}: imports {module}.{field}, which is not a function")
            return
        at += size


with open(sys.argv[1], "rb") as f:
    foreign = [f"{m}.{n}" for m, n, _ in imports(f.read()) if m != "page"]
if foreign:
    sys.exit(f"{sys.argv[1]} imports what the page does not supply: {', '.join(foreign)}")
