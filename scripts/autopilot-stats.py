#!/usr/bin/env python3
"""Difficulty figures: the autopilot plays each level from its start, without --invincible, once
per seed, and the table says how often it cleared the level, its mean score and its mean time to
clear (in seconds of game time, 100 frames a second).

Usage: scripts/autopilot-stats.py [--sim PATH] [--runs N] [--levels 1,2,3,4,5]
"""
import argparse
import concurrent.futures
import json
import os
import statistics
import subprocess
import tempfile

MAX_FRAMES = 60000  # ten minutes of play; a level not won by then counts as not cleared


def play(sim, level, seed):
    with tempfile.TemporaryDirectory() as work:
        out = subprocess.run(
            [sim, "--frames", str(MAX_FRAMES), "--start-level", str(level), "--autopilot",
             "--seed", str(seed), "--until-end", "--workdir", work, "--state", "-"],
            check=True, capture_output=True, text=True).stdout
    state = json.loads(out)
    cleared = state["screen"] in ("levelcleared", "gamecleared")
    return cleared, state["score"], state["frame"] / 100.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sim", default="build/ci/tools/sim/kelvaron-sim")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--levels", default="1,2,3,4,5")
    args = parser.parse_args()
    levels = [int(level) for level in args.levels.split(",")]
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        games = {level: list(pool.map(lambda seed, l=level: play(args.sim, l, seed),
                                      range(1, args.runs + 1)))
                 for level in levels}
    print("| Level | Cleared | Mean score | Mean time to clear |")
    print("|---|---|---|---|")
    for level, results in games.items():
        cleared = [r for r in results if r[0]]
        mean_score = statistics.mean(r[1] for r in results)
        mean_time = f"{statistics.mean(r[2] for r in cleared):.1f} s" if cleared else "-"
        print(f"| {level} | {len(cleared)} of {len(results)} | {mean_score:,.0f} | {mean_time} |")


if __name__ == "__main__":
    main()
