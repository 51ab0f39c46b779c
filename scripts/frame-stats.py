#!/usr/bin/env python3
"""Frame rate and frame-interval spread from a `kelvaron --frame-log` file.

Each line of the log is one frame: its start on the steady clock and how long its update, drawing
and presenting took, both in microseconds.

Usage: scripts/frame-stats.py FRAME-LOG [--skip SECONDS]
"""
import argparse
import math
import statistics
import sys


def percentile(sorted_values, fraction):
    """Nearest-rank percentile of an already sorted list."""
    rank = max(1, math.ceil(fraction * len(sorted_values)))
    return sorted_values[rank - 1]


def describe(name, values_us):
    ordered = sorted(values_us)
    mean = statistics.fmean(ordered)
    spread = statistics.pstdev(ordered)
    print(f"{name} (ms): mean {mean / 1000:.3f}  sd {spread / 1000:.3f}  "
          f"min {ordered[0] / 1000:.3f}  p50 {percentile(ordered, 0.50) / 1000:.3f}  "
          f"p99 {percentile(ordered, 0.99) / 1000:.3f}  max {ordered[-1] / 1000:.3f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("log")
    parser.add_argument("--skip", type=float, default=0.0,
                        help="leave out the first SECONDS (start-up) of the log")
    args = parser.parse_args()

    frames = []
    with open(args.log) as log:
        for line in log:
            fields = line.split()
            if fields:
                frames.append((int(fields[0]), int(fields[1]) if len(fields) > 1 else None))
    if frames:
        first = frames[0][0] + int(args.skip * 1e6)
        frames = [f for f in frames if f[0] >= first]
    if len(frames) < 2:
        sys.exit("frame-stats: fewer than two frames in the log")

    starts = [start for start, _ in frames]
    intervals = [b - a for a, b in zip(starts, starts[1:])]
    span = (starts[-1] - starts[0]) / 1e6
    print(f"frames: {len(frames)} over {span:.3f} s = {(len(frames) - 1) / span:.2f} frames/s")
    describe("interval", intervals)
    late = sum(1 for i in intervals if i > 15000)
    print(f"intervals over 15 ms: {late} ({100 * late / len(intervals):.2f} %)")
    work = [took for _, took in frames if took is not None]
    if work:
        describe("frame work", work)


if __name__ == "__main__":
    main()
