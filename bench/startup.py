#!/usr/bin/env python3
"""Start-up of the desktop program against a minimal Qt Widgets program, side by side.

Starts bench/startup_setrix and bench/startup_minimal of a build alternately, each ROUNDS
times, and takes from each start the time from exec to the first painted window and the
resident memory after a second of idle; prints the medians and the ratios.

  bench/startup.py [BUILD] [--rounds N] [--platform offscreen|xcb]

Under xcb it needs a display (for example: xvfb-run -a bench/startup.py --platform xcb).
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def start(program, env):
    t0 = time.perf_counter()
    p = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, text=True)
    shown = None
    rss = None
    for line in p.stdout:
        if line.strip() == "shown" and shown is None:
            shown = time.perf_counter() - t0
        elif line.startswith("rss "):
            rss = int(line.split()[1])
    p.wait()
    if shown is None or rss is None or p.returncode != 0:
        sys.exit(f"startup: {program} did not report (exit status {p.returncode})")
    return shown, rss


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("build", nargs="?", default="build/release")
    ap.add_argument("--rounds", type=int, default=15)
    ap.add_argument("--platform", default="offscreen")
    a = ap.parse_args()
    programs = {"setrix": os.path.join(a.build, "bench", "startup_setrix"),
                "minimal": os.path.join(a.build, "bench", "startup_minimal")}
    for p in programs.values():
        if not os.access(p, os.X_OK):
            sys.exit(f"startup: {p} is missing (cmake --build {a.build} --target startup_setrix startup_minimal)")
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM=a.platform, HOME=home, XDG_CONFIG_HOME=home,
                   SETRIX_SETTINGS=os.path.join(home, "Setrix.ini"))
        times = {k: [] for k in programs}
        memory = {k: [] for k in programs}
        for name, p in programs.items():  # one start each first: loads the libraries into the cache
            start(p, env)
        for _ in range(a.rounds):
            for name, p in programs.items():
                t, m = start(p, env)
                times[name].append(t)
                memory[name].append(m)
    med = {k: statistics.median(v) for k, v in times.items()}
    mem = {k: statistics.median(v) for k, v in memory.items()}
    print(f"start to shown window and idle memory, median of {a.rounds} starts each ({a.platform}):")
    print(f"  {'minimal Qt program':<22}{med['minimal'] * 1000:8.1f} ms {mem['minimal'] / 1024:8.1f} MiB")
    print(f"  {'setrix':<22}{med['setrix'] * 1000:8.1f} ms {mem['setrix'] / 1024:8.1f} MiB")
    print(f"  {'ratio':<22}{med['setrix'] / med['minimal']:8.2f} x  {mem['setrix'] / mem['minimal']:8.2f} x")


if __name__ == "__main__":
    main()
