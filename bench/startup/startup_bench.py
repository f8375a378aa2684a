#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Start-up time and peak memory of Tovalin against the toolkit's floor.

Run on an X server of its own, e.g.:
  xvfb-run -a bench/startup/startup_bench.py build/window/qt/tovalin build/bench/startup/startup_floor

For each run: the time from exec until the program's window is mapped and
first painted (the first DAMAGE report on it after mapping), then the peak
resident memory once the window has been closed. Runs alternate between the
two programs; medians and ratios are printed.
"""
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/tools"))
import xwin  # noqa: E402  (the tests' X helpers: closing a window as its close button does)

RUNS = int(os.environ.get("RUNS", "15"))


def run_once(d, program):
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.monotonic()
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    painted = None
    deadline = start + 30
    while painted is None and time.monotonic() < deadline:
        if not d.pending_events():
            select.select([d], [], [], 0.05)
            if not d.pending_events():
                continue
        event = d.next_event()
        if event.type == X.CreateNotify:
            event.window.damage_create(damage.DamageReportNonEmpty)
        elif event.type == X.MapNotify and not event.override and mapped is None:
            mapped = event.window
        elif event.type == d.extension_event.DamageNotify and mapped is not None:
            if event.drawable.id == mapped.id:
                painted = time.monotonic()
    if painted is None:
        child.kill()
        raise RuntimeError(f"{program}: window not painted within 30 s")
    xwin.close(d, mapped)
    _, _, usage = os.wait4(child.pid, 0)
    d.sync()  # the damage objects went with their windows
    while d.pending_events():
        d.next_event()
    return (painted - start) * 1000, usage.ru_maxrss / 1024


def main():
    programs = {"tovalin": sys.argv[1], "floor": sys.argv[2]}
    d = display.Display()
    d.damage_query_version()
    results = {name: [] for name in programs}
    for name, program in programs.items():  # warm the file cache once
        run_once(d, program)
    for _ in range(RUNS):
        for name, program in programs.items():
            results[name].append(run_once(d, program))
    medians = {}
    for name, rows in results.items():
        ms = statistics.median(r[0] for r in rows)
        mib = statistics.median(r[1] for r in rows)
        medians[name] = (ms, mib)
        print(f"{name:8s} start-up to first paint: median {ms:7.1f} ms "
              f"(min {min(r[0] for r in rows):.1f}, max {max(r[0] for r in rows):.1f}); "
              f"peak RSS median {mib:6.1f} MiB over {len(rows)} runs")
    time_ratio = medians["tovalin"][0] / medians["floor"][0]
    memory_ratio = medians["tovalin"][1] / medians["floor"][1]
    print(f"ratio tovalin/floor: time {time_ratio:.3f} (goal <= 1.15), "
          f"memory {memory_ratio:.3f} (goal <= 1.10)")


if __name__ == "__main__":
    main()
