#!/usr/bin/env bash
# Runs kelvaron on the title screen in Xvfb for a while with --frame-log and prints the frame rate
# and the spread of frame intervals.
# Usage: scripts/measure-frames.sh [PATH-TO-kelvaron [SECONDS]]
#   default: build/sdl/src/platform/sdl/kelvaron for 10 s
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
kelvaron=$(realpath "${1:-$here/../build/sdl/src/platform/sdl/kelvaron}")
seconds=${2:-10}
work=$(mktemp -d "${TMPDIR:-/tmp}/kelvaron-frames.XXXXXX")
trap 'rm -rf "$work"' EXIT

# In a scratch directory, so the highscores it saves on the way out land there.
(cd "$work" && "$here/with-xvfb.sh" timeout -s TERM "$seconds" "$kelvaron" --frame-log "$work/frames.log") ||
  [[ $? == 124 ]]
python3 "$here/frame-stats.py" "$work/frames.log" --skip 0.5
