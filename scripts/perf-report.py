#!/usr/bin/env python3
"""Plays each level's fight headless with the autopilot and prints, per level, the update and the
drawing cost per frame (median, 99th percentile, worst), the frames per second of the plain run and
its peak resident memory. Usage: scripts/perf-report.py SIM"""
import os
import subprocess
import sys
import tempfile
import time

FRAMES = 6000  # at most a minute of play per level; the run ends with the boss


def percentile(sorted_values, fraction):
    return sorted_values[min(len(sorted_values) - 1, int(fraction * len(sorted_values)))]


def run(sim, level, work, extra):
    command = [sim, "--frames", str(FRAMES), "--start-level", str(level), "--autopilot",
               "--seed", "1", "--invincible", "--until-end", "--workdir", work] + extra
    started = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"perf-report: {' '.join(command)} failed")
    return time.perf_counter() - started, usage.ru_maxrss


def main():
    sim = sys.argv[1]
    print("| Level | Frames | Update median / p99 / worst | Drawing median / p99 / worst "
          "| Headless frames/s | Peak memory |")
    print("|---|---|---|---|---|---|")
    for level in range(1, 6):
        with tempfile.TemporaryDirectory() as work:
            profile = os.path.join(work, "profile.txt")
            run(sim, level, work, ["--profile", profile])
            rows = [tuple(int(v) for v in line.split()) for line in open(profile)]
            seconds, peak_kb = run(sim, level, work, [])
        updates = sorted(r[0] / 1000 for r in rows)
        draws = sorted(r[1] / 1000 for r in rows)
        cost = lambda v: (f"{percentile(v, 0.5):.0f} / {percentile(v, 0.99):.0f} / "
                          f"{v[-1]:.0f} µs")
        print(f"| {level} | {len(rows)} | {cost(updates)} | {cost(draws)} | "
              f"{len(rows) / seconds:,.0f} | {peak_kb / 1024:.1f} MB |")
    whole_game_frames(sim)


def whole_game_frames(sim):
    """Frames per second of whole games from the title, one after another, without PNG output."""
    frames = 30000
    with tempfile.TemporaryDirectory() as work:
        started = time.perf_counter()
        subprocess.run([sim, "--frames", str(frames), "--autopilot", "--invincible", "--seed", "1",
                        "--workdir", work], check=True, stdout=subprocess.DEVNULL)
        seconds = time.perf_counter() - started
    print(f"\nWhole games from the title (autopilot, invincible, {frames:,} frames): "
          f"{frames / seconds:,.0f} frames/s headless.")


if __name__ == "__main__":
    main()
