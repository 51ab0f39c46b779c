#!/usr/bin/env python3
"""Rate, interval spread and cost from a `kelvaron --frame-log` or `--present-log` file.

Each line of the log is one game update (--frame-log) or one present (--present-log): its start on
the steady clock and how long it took, both in microseconds.

Usage: scripts/frame-stats.py LOG [--what update|present] [--skip SECONDS]
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
    parser.add_argument("--what", default="update", help="what one line is, for the output")
    parser.add_argument("--skip", type=float, default=0.0,
                        help="leave out the first SECONDS (start-up) of the log")
    args = parser.parse_args()

    lines = []
    with open(args.log) as log:
        for line in log:
            fields = line.split()
            if fields:
                lines.append((int(fields[0]), int(fields[1]) if len(fields) > 1 else None))
    if lines:
        first = lines[0][0] + int(args.skip * 1e6)
        lines = [entry for entry in lines if entry[0] >= first]
    if len(lines) < 2:
        sys.exit(f"frame-stats: fewer than two {args.what}s in the log")

    starts = [start for start, _ in lines]
    intervals = [b - a for a, b in zip(starts, starts[1:])]
    span = (starts[-1] - starts[0]) / 1e6
    print(f"{args.what}s: {len(lines)} over {span:.3f} s = {(len(lines) - 1) / span:.2f} per second")
    describe(f"{args.what} interval", intervals)
    late = sum(1 for i in intervals if i > 15000)
    print(f"{args.what} intervals over 15 ms: {late} ({100 * late / len(intervals):.2f} %)")
    work = [took for _, took in lines if took is not None]
    if work:
        describe(f"{args.what} time", work)


if __name__ == "__main__":
    main()
