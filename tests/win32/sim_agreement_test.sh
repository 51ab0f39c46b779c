#!/usr/bin/env bash
# kelvaron-sim built for Linux and kelvaron-sim.exe under Wine play the same game:
# - the same scripted play ends in the same state: every level for 1,000 frames, and 20,000 frames
#   from level 1 on (the script leaves each result screen with Space, so the run goes on through
#   the levels); when two states differ, the first frame at which they differ is searched out;
# - a game recorded by either plays back without a desync in the other, and both record the same
#   bytes. The recorded game is a real one: "New Game", the level-1 boss shot down from below,
#   level 2 sat out until the ships are lost, Space on the game-over screen; the window is behind
#   another for a while in level 1;
# - every golden replay, and one recorded by the Linux window program (left by its window test),
#   verifies under Wine.
# Usage: sim_agreement_test.sh NATIVE_SIM WINDOWS_SIM WORK_DIR WINE_PREFIX [SDL_REPLAY]
set -euo pipefail

native_sim=$(realpath "$1")
windows_sim=$(realpath "$2")
work=$3
sdl_replay=${5:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-prefix.sh" "$4"

rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
cd "$work"
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

# --- The same states ---------------------------------------------------------------------------

# Fire all the time, sweep the field in six directions, press Space and X now and then.
{
  echo "# frame controls"
  directions=(left right left,up right,down left,down right,up)
  for ((frame = 0; frame < 20000; frame += 60)); do
    controls="z,${directions[$(((frame / 60) % 6))]}"
    ((frame % 1200 == 600)) && controls+=",x"
    ((frame % 900 == 420)) && controls+=",space"
    echo "$frame $controls"
  done
} >play.txt
mkdir -p states/native states/windows

# run_both FRAMES LEVEL: the two states, without the Windows line ends, in native.json and
# windows.json.
run_both() {
  local frames=$1 level=$2
  local args=(--frames "$frames" --start-level "$level" --invincible --input "$work/play.txt")
  "$native_sim" "${args[@]}" --workdir "$work/states/native" --state "$work/native.json"
  wine "$windows_sim" "${args[@]}" --workdir "$work/states/windows" --state "$work/windows.raw.json"
  tr -d '\r' <"$work/windows.raw.json" >"$work/windows.json"
}

same_state() { cmp -s native.json windows.json; }

first_differing_frame() {
  local level=$1 good=0 bad=$2
  while ((bad - good > 1)); do
    local middle=$(((good + bad) / 2))
    run_both "$middle" "$level"
    if same_state; then good=$middle; else bad=$middle; fi
  done
  echo "$bad"
}

check_states() {
  local frames=$1 level=$2
  run_both "$frames" "$level"
  if same_state; then
    echo "level $level, $frames frames: Linux and Windows agree"
    return
  fi
  fail "level $level, $frames frames: the states differ"
  diff native.json windows.json >&2 || true
  local first
  first=$(first_differing_frame "$level" "$frames")
  echo "first differing frame: $first" >&2
  run_both "$first" "$level"
  diff native.json windows.json >&2 || true
}

for level in 1 2 3 4 5; do check_states 1000 "$level"; done
check_states 20000 1

# --- Replays across the two ----------------------------------------------------------------------

mkdir -p replays/native replays/windows
printf '0 z\n1500 space\n1502 -\n1900 space\n1902 -\n' >game.txt
args=(--frames 2000 --input "$work/game.txt" --unfocused 200-260)
"$native_sim" "${args[@]}" --workdir "$work/replays/native"
wine "$windows_sim" "${args[@]}" --workdir "$work/replays/windows"
native_replay=$(ls "$work"/replays/native/replays/*.kvr)
windows_replay=$(ls "$work"/replays/windows/replays/*.kvr)

# verifies_under_wine WHAT FILE
verifies_under_wine() {
  if wine "$windows_sim" --replay "$2"; then
    echo "$1, verified by kelvaron-sim.exe"
  else
    fail "$1 does not verify under Wine"
  fi
}

verifies_under_wine "recorded on Linux" "$native_replay"
if "$native_sim" --replay "$windows_replay"; then
  echo "recorded by kelvaron-sim.exe, verified on Linux"
else
  fail "the replay recorded under Wine does not verify on Linux"
fi
if cmp "$native_replay" "$windows_replay"; then
  echo "both runners recorded the same bytes"
else
  fail "the two recordings differ"
fi
for golden in "$here"/../data/golden/*.kvr; do
  if [[ -f "$golden" ]]; then
    verifies_under_wine "golden $(basename "$golden")" "$(realpath "$golden")"
  fi
done
if [[ -n "$sdl_replay" ]]; then
  if [[ -f "$sdl_replay" ]]; then
    verifies_under_wine "recorded by the Linux window program" "$(realpath "$sdl_replay")"
  else
    fail "no replay from the Linux window program at $sdl_replay"
  fi
fi
exit $status
