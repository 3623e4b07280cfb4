#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the program and the bare window alternately under one X server and reports, per
program, the medians of: process start to MapNotify of the 382 x 453 window, process start to
the first damage of that window after the map (its first paint reaching the server), CPU time
and resident memory a moment after that paint. With --callgrind it instead counts the
instructions from main() to the first paint."""
import argparse
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage

SIZE = (382, 453)


class Watcher:
    def __init__(self):
        self.d = display.Display()
        self.d.damage_query_version()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()
        self.damage_code = self.d.extension_event.DamageNotify

    def run(self, argv, timeout=60.0):
        """Starts argv; returns (process, seconds to map, seconds to first paint)."""
        t0 = time.monotonic()
        proc = subprocess.Popen(argv, stderr=subprocess.DEVNULL)
        candidates, window, t_map, t_paint = {}, None, None, None
        while t_paint is None:
            if time.monotonic() - t0 > timeout:
                proc.kill()
                raise RuntimeError("no window from " + argv[-1])
            if not self.d.pending_events():
                select.select([self.d.fileno()], [], [], 0.05)
            while self.d.pending_events():
                e = self.d.next_event()
                now = time.monotonic() - t0
                if e.type == X.CreateNotify and (e.width, e.height) == SIZE:
                    # Watched before it is mapped, so no paint can slip past.
                    candidates[e.window.id] = e.window.damage_create(damage.DamageReportRawRectangles)
                    self.d.flush()
                elif e.type == X.MapNotify and window is None and e.window.id in candidates:
                    window, t_map = e.window.id, now
                elif e.type == self.damage_code and window is not None and e.drawable.id == window:
                    t_paint = now
        return proc, t_map, t_paint


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1))


def timed(w, argv, settle):
    proc, t_map, t_paint = w.run(argv)
    time.sleep(settle)
    rss = rss_kib(proc.pid)
    os.kill(proc.pid, signal.SIGKILL)
    _, _, usage = os.wait4(proc.pid, 0)
    # Lets the X server drop the dead client's window and properties before the next one starts.
    time.sleep(0.1)
    return t_map * 1e3, t_paint * 1e3, (usage.ru_utime + usage.ru_stime) * 1e3, rss / 1024


def instructions(w, binary):
    """Instructions from main() to the first paint, dumped once the program rests after it.
    Only one dump: one requested while the program still starts adds millions to the count."""
    out = tempfile.mkdtemp(prefix="orvane-callgrind-")
    prefix = os.path.join(out, "cg")
    argv = ["valgrind", "--tool=callgrind", "--collect-atstart=no", "--toggle-collect=main",
            "--dump-instr=no", "--callgrind-out-file=" + prefix + ".%p", binary]
    proc, _, _ = w.run(argv, timeout=300)
    time.sleep(2)  # lets the first paint finish under the slow-down
    subprocess.run(["callgrind_control", "-d", str(proc.pid)],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    proc.kill()
    proc.wait()
    # Only the program's own dump: a process it forks (a bus launcher) writes its own file.
    with open(f"{prefix}.{proc.pid}.1") as f:
        count = int(re.search(r"^summary: (\d+)", f.read(), re.M).group(1))
    shutil.rmtree(out)
    return count


def main():
    p = argparse.ArgumentParser()
    p.add_argument("program")
    p.add_argument("bare")
    p.add_argument("--runs", type=int, default=41)
    p.add_argument("--settle", type=float, default=0.5, help="seconds after the first paint")
    p.add_argument("--callgrind", action="store_true")
    a = p.parse_args()
    w = Watcher()
    names = ("orvane", "bare")
    binaries = (a.program, a.bare)

    if a.callgrind:
        counts = {n: instructions(w, b) for n, b in zip(names, binaries)}
        print("instructions (callgrind) from main() to the first paint")
        for n in names:
            print(f"  {n:8s} {counts[n] / 1e6:8.1f} M")
        print(f"  {'ratio':8s} {counts['orvane'] / counts['bare']:8.3f}")
        return

    for b in binaries:  # warms the disk cache and the font cache
        timed(w, [b], 0.1)
    samples = {n: [] for n in names}
    for _ in range(a.runs):
        for n, b in zip(names, binaries):
            samples[n].append(timed(w, [b], a.settle))
    columns = ("map ms", "paint ms", "CPU ms", "RSS MiB")
    print(f"medians of {a.runs} alternating runs   " + "".join(f"{c:>10s}" for c in columns))
    med = {n: [statistics.median(s[i] for s in samples[n]) for i in range(4)] for n in names}
    for n in names:
        print(f"  {n:32s}" + "".join(f"{v:10.2f}" for v in med[n]))
    print(f"  {'ratio':32s}" + "".join(f"{o / b:10.3f}" for o, b in zip(med['orvane'], med['bare'])))
    # Each program run is followed at once by a bare window's, so a slow spell of the machine
    # tends to hit both: the median of the per-pair ratios is steadier than the ratio of medians.
    paired = [statistics.median(o[i] / b[i] for o, b in zip(samples['orvane'], samples['bare']))
              for i in range(4)]
    print(f"  {'median of paired ratios':32s}" + "".join(f"{r:10.3f}" for r in paired))


if __name__ == "__main__":
    main()
