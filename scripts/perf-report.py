#!/usr/bin/env python3
"""Prints, per level, the update and the drawing cost per frame (median, 99th percentile, worst),
the 99th percentile of their sum, the frames per second of a plain headless run and its peak
resident memory, as a Markdown table; then the frames per second of a whole recorded game.

Each level's fight is played once by the autopilot (fixed seed, invincible) until the boss is
dead, and its controls recorded; the figures come from that fixed input played again, so they time
the game and not the autopilot's thinking. Usage: scripts/perf-report.py SIM"""
import os
import subprocess
import sys
import tempfile
import time

FRAMES = 6000  # at most a minute of play per level; the run ends with the boss
WHOLE_GAME = os.path.join(os.path.dirname(__file__), "..", "tests", "sim", "data",
                          "whole-game.input")
WHOLE_GAME_FRAMES = 14441  # from the title through the five levels and back to the title


def percentile(sorted_values, fraction):
    return sorted_values[min(len(sorted_values) - 1, int(fraction * len(sorted_values)))]


def run(sim, arguments, work):
    """Runs the runner with a fresh workdir; returns wall seconds and peak resident kB."""
    command = [sim, "--no-replays", "--workdir", work] + arguments
    started = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"perf-report: {' '.join(command)} failed")
    return time.perf_counter() - started, usage.ru_maxrss


def level_row(sim, level):
    with tempfile.TemporaryDirectory() as work:
        recorded = os.path.join(work, "fight.input")
        fight = ["--frames", str(FRAMES), "--start-level", str(level), "--invincible",
                 "--until-end"]
        run(sim, fight + ["--autopilot", "--seed", "1", "--record-input", recorded], work)
        profile = os.path.join(work, "profile.txt")
        run(sim, fight + ["--input", recorded, "--profile", profile], work)
        rows = [tuple(int(v) for v in line.split()) for line in open(profile)]
        seconds, peak_kb = run(sim, fight + ["--input", recorded], work)
    updates = sorted(r[0] / 1000 for r in rows)
    draws = sorted(r[1] / 1000 for r in rows)
    both = sorted((r[0] + r[1]) / 1000 for r in rows)
    cost = lambda v: f"{percentile(v, 0.5):.0f} / {percentile(v, 0.99):.0f} / {v[-1]:.0f} µs"
    return (f"| {level} | {len(rows)} | {cost(updates)} | {cost(draws)} | "
            f"{percentile(both, 0.99):.0f} µs | {len(rows) / seconds:,.0f} | "
            f"{peak_kb / 1024:.1f} MB |")


def main():
    sim = sys.argv[1]
    print("| Level | Frames | Update median / p99 / worst | Drawing median / p99 / worst "
          "| Both, p99 | Headless frames/s | Peak memory |")
    print("|---|---|---|---|---|---|---|")
    for level in range(1, 6):
        print(level_row(sim, level), flush=True)
    with tempfile.TemporaryDirectory() as work:
        seconds, peak_kb = run(sim, ["--frames", str(WHOLE_GAME_FRAMES), "--invincible",
                                     "--input", WHOLE_GAME], work)
    print(f"\nA whole game from the title (tests/sim/data/whole-game.input, invincible, "
          f"{WHOLE_GAME_FRAMES:,} frames): {WHOLE_GAME_FRAMES / seconds:,.0f} frames/s headless, "
          f"peak memory {peak_kb / 1024:.1f} MB.")


if __name__ == "__main__":
    main()
