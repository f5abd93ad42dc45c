#!/usr/bin/env python3
"""Starts the bare Qt window and dvk in turns and compares their times to the first paint.

Usage: startup_ratio.py BUILD_DIR [PAIRS]   (run it under a display, e.g. xvfb-run -a)

Each pair starts bare_startup_probe, then dvk_startup_probe, in a fresh empty folder (a fresh
start: defaults, built-in tables, no plug-ins). Prints the medians, the median of the per-pair
ratios of the time on the wall and of the processor time (which a loaded machine disturbs
less) and the conditions: pairs, machine load before and after, processors, display."""

import os
import statistics
import subprocess
import sys
import tempfile
import time


def load():
    with open("/proc/loadavg", encoding="ascii") as f:
        return " ".join(f.read().split()[:3])


def first_paint_ms(program, folder):
    """The process age at the end of the first paint, and the processor time it had used."""
    env = dict(os.environ, DVK_PROBE_STEPS="1",
               DVK_PROBE_START=str(time.clock_gettime_ns(time.CLOCK_MONOTONIC)))
    run = subprocess.run([program], cwd=folder, env=env, check=True, capture_output=True,
                         text=True, timeout=60)
    painted = [line for line in run.stderr.splitlines() if line.endswith("  first paint")]
    cpu = float(painted[-1].split(" ms ")[1].split("cpu")[0])
    return float(run.stdout.strip().splitlines()[-1]), cpu


def main():
    build = os.path.abspath(sys.argv[1])
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    bare_program = os.path.join(build, "tools", "bare_startup_probe")
    dvk_program = os.path.join(build, "tools", "dvk_startup_probe")
    load_before = load()
    bare, dvk, ratios, cpu_ratios = [], [], [], []
    for _ in range(pairs):
        with tempfile.TemporaryDirectory() as folder:
            b, b_cpu = first_paint_ms(bare_program, folder)
            d, d_cpu = first_paint_ms(dvk_program, folder)
        bare.append(b)
        dvk.append(d)
        ratios.append(d / b)
        cpu_ratios.append(d_cpu / b_cpu)
    print(f"first paint: bare Qt window median {statistics.median(bare):.1f} ms, "
          f"dvk median {statistics.median(dvk):.1f} ms, ratio (median of pairs) "
          f"{statistics.median(ratios):.2f}, processor-time ratio (median of pairs) "
          f"{statistics.median(cpu_ratios):.2f}; {pairs} pairs, fresh start; load {load_before} "
          f"before, {load()} after; {os.cpu_count()} processors; "
          f"display {os.environ.get('QT_QPA_PLATFORM', 'default')} {os.environ.get('DISPLAY', '')}")


if __name__ == "__main__":
    main()
