#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Small X11 helpers for the end-to-end tests.

  xwin.py close WID       ask the window to close, as a title bar's close button does
  xwin.py icon-sizes WID  print the sizes in the window's _NET_WM_ICON, one per line
"""
import sys

from Xlib import X, Xatom, display, protocol


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


def main():
    command, wid = sys.argv[1], int(sys.argv[2], 0)
    d = display.Display()
    window = d.create_resource_object("window", wid)
    {"close": close, "icon-sizes": icon_sizes}[command](d, window)


if __name__ == "__main__":
    main()
