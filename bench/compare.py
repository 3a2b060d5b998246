#!/usr/bin/env python3
"""Runs a benchmark program of two builds alternately and prints, per benchmark, the median
times of both and their ratio (this build / reference). Both are measured in the same run, so
the ratio holds on a busy machine too.

  bench/compare.py REF_BUILD NEW_BUILD PROGRAM [--rounds N] [--filter REGEX]
  bench/compare.py /tmp/setrix-main/build/release build/release pdf_bench

The reference build is any earlier checkout built the same way (Release), for example
`git worktree add /tmp/setrix-main main` built with the same cmake commands.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys


def run(program, bench_filter):
    args = [program, "--benchmark_format=json", "--benchmark_min_time=0.2"]
    if bench_filter:
        args.append("--benchmark_filter=" + bench_filter)
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    return {b["name"]: (b["real_time"], b["cpu_time"], b["time_unit"]) for b in json.loads(out)["benchmarks"]}


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("ref")
    p.add_argument("new")
    p.add_argument("program")
    p.add_argument("--rounds", type=int, default=5)
    p.add_argument("--filter", default="")
    a = p.parse_args()
    programs = {"ref": os.path.join(a.ref, "bench", a.program), "new": os.path.join(a.new, "bench", a.program)}
    for side, path in programs.items():
        if not os.access(path, os.X_OK):
            sys.exit(f"compare.py: {side}: no benchmark program {path}; build it with "
                     f"cmake --build <build> --target {a.program}")
    times = {"ref": {}, "new": {}}
    for _ in range(a.rounds):
        for side in ("ref", "new"):
            for name, (real, cpu, unit) in run(programs[side], a.filter).items():
                times[side].setdefault(name, []).append((cpu, unit))
    print(f"{'benchmark':40} {'reference':>14} {'this build':>14} {'ratio':>7}   (median CPU time of {a.rounds} rounds)")
    for name, ref in times["ref"].items():
        new = times["new"].get(name)
        if not new:
            continue
        r = statistics.median(t for t, _ in ref)
        n = statistics.median(t for t, _ in new)
        unit = ref[0][1]
        print(f"{name:40} {r:11.3f} {unit:2} {n:11.3f} {unit:2} {n / r:7.3f}")


if __name__ == "__main__":
    main()
