#!/usr/bin/env bash
# Runs kelvaron on the title screen in Xvfb for a while with --frame-log and --present-log and
# prints the rate of game updates and of presents, the spread of their intervals and what each
# costs.
# Usage: scripts/measure-frames.sh [--scale N | --size WxH] [--no-vsync] [--seconds S] [KELVARON]
#   --scale N    the window N times the game's size (default 1)
#   --size WxH   the window resized to W x H pixels on a screen of that size
#   --no-vsync   passed on to kelvaron
#   --seconds S  how long to run (default 10; the first second is left out of the figures)
#   KELVARON     default: the first of the release, ci and default builds that holds one
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
scale=1 size="" seconds=10 kelvaron="" vsync=()
while (($# > 0)); do
  case $1 in
    --scale) scale=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --no-vsync) vsync=(--no-vsync); shift ;;
    --seconds) seconds=$2; shift 2 ;;
    *) kelvaron=$1; shift ;;
  esac
done
if [[ -z "$kelvaron" ]]; then
  for preset in release ci default; do
    candidate=$here/../build/$preset/src/platform/sdl/kelvaron
    if [[ -x "$candidate" ]]; then kelvaron=$candidate; break; fi
  done
fi
if [[ -z "$kelvaron" ]]; then
  echo "measure-frames: no kelvaron built; build one (cmake --build --preset ci) or name it" >&2
  exit 1
fi
kelvaron=$(realpath "$kelvaron")

# Run again inside an X server of our own, with a screen large enough for the window.
if [[ -z "${KELVARON_MEASURE_DIR:-}" ]]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/kelvaron-frames.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  window="--scale $scale"
  if [[ -n "$size" ]]; then window="a $size window"; fi
  echo "$kelvaron: $window${vsync[*]:+, ${vsync[*]}}, $seconds s"
  KELVARON_MEASURE_DIR=$work KELVARON_XVFB_SCREEN=${size:-1024x768}x24 \
    "$here/with-xvfb.sh" bash "$0" --scale "$scale" ${size:+--size "$size"} "${vsync[@]}" \
    --seconds "$seconds" "$kelvaron"
  python3 "$here/frame-stats.py" "$work/updates.log" --what update --skip 1
  python3 "$here/frame-stats.py" "$work/presents.log" --what present --skip 1
  exit 0
fi

# In the X server, in a scratch directory so the highscores it saves on the way out land there.
work=$KELVARON_MEASURE_DIR
(cd "$work" && exec "$kelvaron" --scale "$scale" "${vsync[@]}" --frame-log "$work/updates.log" \
  --present-log "$work/presents.log") &
game=$!
if [[ -n "$size" ]]; then
  window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game" --name '^Kelvaron$' | head -n1)
  xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" "${size%x*}" "${size#*x}"
fi
sleep "$seconds"
kill -TERM "$game"
wait "$game"
