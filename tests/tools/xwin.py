#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Small X11 helpers for the end-to-end tests.

  xwin.py close WID       ask the window to close, as a title bar's close button does
  xwin.py icon-sizes WID  print the sizes in the window's _NET_WM_ICON, one per line
  xwin.py copy WID        press Ctrl+A Ctrl+C and wait until the clipboard has been taken
"""
import os
import subprocess
import sys
import time

from Xlib import X, Xatom, display, protocol
from Xlib.protocol import request


def close(d, window):
    event = protocol.event.ClientMessage(
        window=window,
        client_type=d.intern_atom("WM_PROTOCOLS"),
        data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]),
    )
    window.send_event(event)
    d.flush()


def icon_sizes(d, window):
    prop = window.get_full_property(d.intern_atom("_NET_WM_ICON"), Xatom.CARDINAL)
    values = list(prop.value) if prop else []
    i = 0
    while i + 2 <= len(values):
        width, height = values[i], values[i + 1]
        print(f"{width}x{height}")
        i += 2 + width * height


def copy(d, window):
    # The clipboard is emptied first, so that it is known when the program has
    # taken it, and a reader never gets the previous owner's text, or asks an
    # owner that is about to lose it and would never answer.
    clipboard = d.intern_atom("CLIPBOARD")
    request.SetSelectionOwner(display=d.display, window=X.NONE, selection=clipboard,
                              time=X.CurrentTime)
    d.sync()
    subprocess.run(["xdotool", "key", "ctrl+a", "ctrl+c"], check=True)
    deadline = time.monotonic() + 10 * float(os.environ.get("TOVALIN_WAIT_SCALE", "1"))
    while d.get_selection_owner(clipboard) == X.NONE:
        if time.monotonic() > deadline:
            sys.exit("nothing was copied")
        time.sleep(0.05)


def main():
    command, wid = sys.argv[1], int(sys.argv[2], 0)
    d = display.Display()
    window = d.create_resource_object("window", wid)
    {"close": close, "icon-sizes": icon_sizes, "copy": copy}[command](d, window)


if __name__ == "__main__":
    main()
