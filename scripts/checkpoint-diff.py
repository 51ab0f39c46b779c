#!/usr/bin/env python3
"""Prints the checkpoints of a recorded game that moved between two recordings, each with the
fields that changed, before -> after. The files are what `kelvaron-sim --replay FILE
--checkpoints OUT` writes: one line per checkpoint, "KEY: field=value ...".
Usage: scripts/checkpoint-diff.py BEFORE AFTER [MOST]   (MOST: checkpoints listed, default 20)"""
import sys


def read(path):
    rows = {}
    with open(path) as lines:
        for line in lines:
            key, _, fields = line.rstrip("\n").partition(": ")
            rows[key] = dict(field.split("=", 1) for field in fields.split())
    return rows


def moved(before, after):
    for key in list(before) + [k for k in after if k not in before]:
        old, new = before.get(key), after.get(key)
        if old == new:
            continue
        if old is None or new is None:
            yield f"{key}: only {'after' if old is None else 'before'} the change"
            continue
        yield f"{key}: " + ", ".join(
            f"{field} {old[field]} -> {new.get(field)}" for field in old if old[field] != new.get(field))


def main():
    most = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    lines = list(moved(read(sys.argv[1]), read(sys.argv[2])))
    for line in lines[:most]:
        print("  " + line)
    if len(lines) > most:
        print(f"  ... and {len(lines) - most} more checkpoints")


if __name__ == "__main__":
    main()
