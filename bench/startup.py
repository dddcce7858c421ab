#!/usr/bin/env python3
"""Start-up time and peak memory of the real window against a bare Qt window.

    startup.py BARE REAL [--runs N]

BARE and REAL are programs that print "painted" once their window has painted
for the first time, then exit (bench/bare_window.cpp, bench/kirel_startup.cpp).
Each is run N times, alternating, with QT_QPA_PLATFORM=offscreen, after one
warm-up run each. For every run: the wall time from spawn to the "painted" line,
and the peak resident memory of the process (ru_maxrss of the child). Prints the
medians, the ratios real/bare and PASS/FAIL against the bars. Always exits 0.
"""

import argparse
import os
import statistics
import subprocess
import time

BAR = 1.3  # real within 1.3 x bare, for time and for memory


def run_once(program, env):
    """(ms to the first paint, peak RSS in KiB) of one run."""
    start = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, env=env)
    line = child.stdout.readline()
    painted = time.perf_counter()
    child.stdout.read()
    child.stdout.close()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if line.strip() != b"painted" or child.returncode != 0:
        raise RuntimeError(f"{program}: no first paint (exit {child.returncode})")
    return (painted - start) * 1000.0, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bare")
    parser.add_argument("real")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    programs = {"bare": args.bare, "real": args.real}
    samples = {name: [] for name in programs}
    for name, program in programs.items():
        run_once(program, env)  # warm-up: libraries and fonts into the page cache
    for _ in range(args.runs):
        for name, program in programs.items():
            samples[name].append(run_once(program, env))

    print(f"Start-up to first paint and peak RSS, median of {args.runs} runs each "
          "(offscreen, alternating)")
    medians = {}
    for name in programs:
        ms = statistics.median(s[0] for s in samples[name])
        kib = statistics.median(s[1] for s in samples[name])
        lo = min(s[0] for s in samples[name])
        hi = max(s[0] for s in samples[name])
        medians[name] = (ms, kib)
        print(f"  {name:5} {ms:8.1f} ms  (min {lo:.1f}, max {hi:.1f})   "
              f"{kib / 1024:7.1f} MiB peak RSS")
    for what, k, unit in (("start-up", 0, "time"), ("memory", 1, "peak RSS")):
        ratio = medians["real"][k] / medians["bare"][k]
        verdict = "PASS" if ratio <= BAR else "FAIL"
        print(f"{what}: real/bare {unit} = {ratio:.2f} (bar <= {BAR}): {verdict}")


if __name__ == "__main__":
    main()
