#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Puts the page together as one self-contained file: the template with its
style, layout, script, icon and WebAssembly module filled in, and the
Content-Security-Policy allowing exactly that style and script.
Usage: make_page.py TEMPLATE STYLE LAYOUT_CSS TITLE CONTROLS SCRIPT WASM ICON OUT"""
import base64
import hashlib
import sys

template, style, layout, title, controls, script, wasm, icon, out = sys.argv[1:]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


css = read(style) + read(layout)
js = read(script)
with open(wasm, "rb") as f:
    module = base64.b64encode(f.read()).decode()
with open(icon, "rb") as f:
    picture = base64.b64encode(f.read()).decode()
page = read(template)
for key, value in (("@SCRIPT_HASH@", digest(js)), ("@STYLE_HASH@", digest(css)),
                   ("@TITLE@", read(title)), ("@ICON@", picture), ("@STYLE@", css),
                   ("@CONTROLS@", read(controls)), ("@WASM@", module), ("@SCRIPT@", js)):
    page = page.replace(key, value)
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
