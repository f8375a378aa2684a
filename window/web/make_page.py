#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Puts the page together as one self-contained file: the template with its
style, layout, script, icon and WebAssembly module filled in, and the
Content-Security-Policy allowing exactly that style and script.
With APP_DIR, also the page served as an app: APP_DIR/index.html, the same
page linking its manifest and Apple touch icon, with the policy also allowing
the manifest, the icons and the service worker from its own origin; its
manifest; and APP_DIR.zip, of every file in APP_DIR (the icons and the worker
put there beforehand), dated the release's date.
Usage: make_page.py TEMPLATE STYLE LAYOUT_CSS TITLE CONTROLS SCRIPT WASM ICON OUT [APP_DIR]"""
import base64
import hashlib
import html
import json
import os
import subprocess
import sys
import time
import zipfile

template, style, layout, title, controls, script, wasm, icon, out = sys.argv[1:10]
app = sys.argv[10] if len(sys.argv) > 10 else None


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


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
write(out, page.replace("@APP_POLICY@", "").replace("@APP_LINKS@", ""))
if not app:
    sys.exit(0)

links = ('<link rel="manifest" href="manifest.webmanifest">\n'
         '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n')
write(os.path.join(app, "index.html"),
      page.replace("@APP_POLICY@", " 'self'; manifest-src 'self'; worker-src 'self'")
      .replace("@APP_LINKS@", links))
# The colours are the page's light ones: the browser's canvas around the
# form, and the form's face (page.css) for the title bar.
name = html.unescape(read(title))
manifest = {"name": name, "short_name": name, "lang": "zh-CN", "id": "./", "start_url": "./",
            "scope": "./", "display": "standalone", "background_color": "#ffffff",
            "theme_color": "#f0f0f0", "icons": [
                {"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
                {"src": "icon-512.png", "sizes": "512x512", "type": "image/png"},
                {"src": "icon-maskable.png", "sizes": "512x512", "type": "image/png",
                 "purpose": "maskable"}]}
write(os.path.join(app, "manifest.webmanifest"),
      json.dumps(manifest, ensure_ascii=False, indent=2) + "\n")

# The same bytes from every build: entries sorted, under the folder's name,
# each dated the release's date (UTC) and readable by all.
source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
epoch = int(subprocess.check_output(
    ["bash", os.path.join(source, "scripts", "lib", "release_date.sh"), source]))
folder = os.path.basename(os.path.normpath(app))
with zipfile.ZipFile(app.rstrip("/") + ".zip.part", "w") as archive:
    for file in sorted(os.listdir(app)):
        entry = zipfile.ZipInfo(f"{folder}/{file}", time.gmtime(epoch)[:6])
        entry.create_system, entry.external_attr = 3, 0o100644 << 16
        with open(os.path.join(app, file), "rb") as f:
            archive.writestr(entry, f.read(), zipfile.ZIP_DEFLATED, 9)
os.replace(app.rstrip("/") + ".zip.part", app.rstrip("/") + ".zip")
