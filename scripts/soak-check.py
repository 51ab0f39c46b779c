#!/usr/bin/env python3
"""Reads a soak run's memory log (frame, live sprites, resident kB every 1,000 frames) and its final
state; fails when the sprites in play pass a bound or resident memory still grows in the second
half of the run, once past the first minute of play (6,000 frames). The sanitizer build's own
memory (its quarantine of freed blocks, its allocator caches) fills up over the first part of a
run; a leak of the game's keeps growing to the end."""
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
settled_from = max(SETTLED_AFTER_FRAME, rows[-1][0] // 2)
settled = [rss for frame, _, rss in rows if frame >= settled_from] or [rows[-1][2]]
# Memory swings with what is on screen; a leak shows as the later half of the settled stretch
# standing higher than the earlier half on average.
half = max(1, len(settled) // 2)
growth = int(sum(settled[half:]) / max(1, len(settled) - half) - sum(settled[:half]) / half)
games = len([h for h in state["highscores"] if h[0] >= 0])
print(f"soak: {state['frame']} frames in {seconds} s, level {state['level']} at the end, "
      f"{games} games in the table; live sprites at most {most_sprites}; resident memory "
      f"{rows[0][2]} kB at frame {rows[0][0]}, {settled[0]} to {max(settled)} kB from frame {settled_from}")
failed = False
if most_sprites > MAX_SPRITES:
    print(f"soak: FAILED: {most_sprites} sprites in play, more than {MAX_SPRITES}")
    failed = True
if growth > GROWTH_ALLOWED_KB:
    print(f"soak: FAILED: resident memory grew by {growth} kB from frame {settled_from} on")
    failed = True
sys.exit(1 if failed else 0)
