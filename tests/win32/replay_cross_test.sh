#!/usr/bin/env bash
# A game recorded by kelvaron-sim built for Linux plays back without a desync in kelvaron-sim.exe
# under Wine, and one recorded by kelvaron-sim.exe plays back natively; both record the same bytes.
# The scripted game is a real one: "New Game", the level-1 boss shot down from below, level 2 sat
# out until the ships are lost, Space on the game-over screen; the window is behind another for a
# while in level 1.
# A replay recorded by the Linux window program (left by its window test) verifies under Wine too.
# Usage: replay_cross_test.sh NATIVE_SIM WINDOWS_SIM WORK_DIR WINE_PREFIX [SDL_REPLAY]
set -euo pipefail

native_sim=$(realpath "$1")
windows_sim=$(realpath "$2")
work=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-prefix.sh" "$4"

rm -rf "$work"
mkdir -p "$work/native" "$work/windows"
work=$(realpath "$work")
printf '0 z\n1500 space\n1502 -\n1900 space\n1902 -\n' >"$work/game.txt"
args=(--frames 2000 --input "$work/game.txt" --unfocused 200-260)

"$native_sim" "${args[@]}" --workdir "$work/native"
wine "$windows_sim" "${args[@]}" --workdir "$work/windows"
native_replay=$(ls "$work"/native/replays/*.kvr)
windows_replay=$(ls "$work"/windows/replays/*.kvr)

status=0
if wine "$windows_sim" --replay "$native_replay"; then
  echo "recorded on Linux, verified by kelvaron-sim.exe"
else
  echo "FAIL: the replay recorded on Linux does not verify under Wine" >&2
  status=1
fi
if "$native_sim" --replay "$windows_replay"; then
  echo "recorded by kelvaron-sim.exe, verified on Linux"
else
  echo "FAIL: the replay recorded under Wine does not verify on Linux" >&2
  status=1
fi
if [[ -n "${5:-}" ]]; then
  if [[ ! -f "$5" ]]; then
    echo "FAIL: no replay from the Linux window program at $5" >&2
    status=1
  elif wine "$windows_sim" --replay "$(realpath "$5")"; then
    echo "recorded by the Linux window program, verified by kelvaron-sim.exe"
  else
    echo "FAIL: the replay recorded by the Linux window program does not verify under Wine" >&2
    status=1
  fi
fi
if cmp "$native_replay" "$windows_replay"; then
  echo "both runners recorded the same bytes"
else
  echo "FAIL: the two recordings differ" >&2
  status=1
fi
exit $status
