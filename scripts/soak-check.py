#!/usr/bin/env python3
"""Reads a soak run's memory log (frame, live sprites, resident kB every 1,000 frames) and its final
state; fails when the sprites in play pass a bound or resident memory grows after the first minute
of play (6,000 frames)."""
import json
import sys

MAX_SPRITES = 3000
GROWTH_ALLOWED_KB = 4096
SETTLED_AFTER_FRAME = 6000

log_path, state_path, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3])
rows = [tuple(int(v) for v in line.split()) for line in open(log_path) if line.strip()]
state = json.load(open(state_path))
if not rows:
    sys.exit("soak: no memory log written")
most_sprites = max(sprites for _, sprites, _ in rows)
settled = [rss for frame, _, rss in rows if frame >= SETTLED_AFTER_FRAME] or [rows[-1][2]]
growth = max(settled) - settled[0]
games = len([h for h in state["highscores"] if h[0] >= 0])
print(f"soak: {state['frame']} frames in {seconds} s, level {state['level']} at the end, "
      f"{games} games in the table; live sprites at most {most_sprites}; resident memory "
      f"{rows[0][2]} kB at frame {rows[0][0]}, {settled[0]} to {max(settled)} kB after the first minute")
failed = False
if most_sprites > MAX_SPRITES:
    print(f"soak: FAILED: {most_sprites} sprites in play, more than {MAX_SPRITES}")
    failed = True
if growth > GROWTH_ALLOWED_KB:
    print(f"soak: FAILED: resident memory grew by {growth} kB after the first minute")
    failed = True
sys.exit(1 if failed else 0)
