#!/usr/bin/env python3
"""Start-up of the desktop program against a minimal Qt Widgets program, side by side.

Starts bench/startup_minimal and bench/startup_setrix of a build in turn, ROUNDS times each,
and takes from each start the time from exec to the first painted window and the resident
memory after a second of idle. The desktop program starts twice a round: a regular start (a
language stored: the product screen) and a first start (no settings file: the language
screen). Prints the medians, and as the ratios the median of each round's ratio to the
minimal program's start of the same round (a shared machine's slow phases hit both).

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
    ap.add_argument("--rounds", type=int, default=21)
    ap.add_argument("--platform", default="offscreen")
    a = ap.parse_args()
    minimal = os.path.join(a.build, "bench", "startup_minimal")
    setrix = os.path.join(a.build, "bench", "startup_setrix")
    for p in (minimal, setrix):
        if not os.access(p, os.X_OK):
            sys.exit(f"startup: {p} is missing (cmake --build {a.build} --target startup_setrix startup_minimal)")
    kinds = ["minimal", "regular", "first"]
    times = {k: [] for k in kinds}
    memory = {k: [] for k in kinds}
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM=a.platform, HOME=home, XDG_CONFIG_HOME=home)
        stored = os.path.join(home, "regular.ini")
        fresh = os.path.join(home, "first.ini")

        def run(kind):
            if kind == "minimal":
                return start(minimal, env)
            if kind == "first":
                if os.path.exists(fresh):
                    os.remove(fresh)
                return start(setrix, dict(env, SETRIX_SETTINGS=fresh))
            with open(stored, "w", encoding="ascii") as f:  # the program writes it back on exit
                f.write("[Software]\nZantrel\\Setrix\\DC\\Language=1\n")
            return start(setrix, dict(env, SETRIX_SETTINGS=stored))

        for kind in kinds:  # one start each first: loads the libraries into the cache
            run(kind)
        for _ in range(a.rounds):
            for kind in kinds:
                t, m = run(kind)
                times[kind].append(t)
                memory[kind].append(m)
    names = {"minimal": "minimal Qt program", "regular": "setrix", "first": "setrix, first start"}
    print(f"start to shown window and idle memory, median of {a.rounds} starts each ({a.platform}):")
    for kind in kinds:
        line = f"  {names[kind]:<22}{statistics.median(times[kind]) * 1000:8.1f} ms {statistics.median(memory[kind]) / 1024:8.1f} MiB"
        if kind != "minimal":
            t = statistics.median(s / m for s, m in zip(times[kind], times["minimal"]))
            r = statistics.median(s / m for s, m in zip(memory[kind], memory["minimal"]))
            line += f"   ratio {t:5.2f} x  {r:5.2f} x"
        print(line)


if __name__ == "__main__":
    main()
