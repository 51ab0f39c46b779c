#!/usr/bin/env bash
# The same scripted play through kelvaron-sim built for Linux and kelvaron-sim.exe under Wine must
# end in the same state: every level for 1,000 frames, and 20,000 frames from level 1 on (the
# script leaves each result screen with Space, so the run goes on through the levels). When two
# states differ, the first frame at which they differ is searched out and named.
# Usage: sim_determinism_test.sh NATIVE_SIM WINDOWS_SIM WORK_DIR WINE_PREFIX
set -euo pipefail

native_sim=$(realpath "$1")
windows_sim=$(realpath "$2")
work=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-prefix.sh" "$4"

rm -rf "$work"
mkdir -p "$work/native" "$work/windows"
cd "$work"

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

# run_both FRAMES LEVEL: the two states, without the Windows line ends, in native.json and
# windows.json.
run_both() {
  local frames=$1 level=$2
  local args=(--frames "$frames" --start-level "$level" --invincible --input "$work/play.txt")
  "$native_sim" "${args[@]}" --workdir "$work/native" --state "$work/native.json"
  wine "$windows_sim" "${args[@]}" --workdir "$work/windows" --state "$work/windows.raw.json"
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

check() {
  local frames=$1 level=$2
  run_both "$frames" "$level"
  if same_state; then
    echo "level $level, $frames frames: Linux and Windows agree"
    return 0
  fi
  echo "FAIL: level $level, $frames frames: the states differ" >&2
  diff native.json windows.json >&2 || true
  local first
  first=$(first_differing_frame "$level" "$frames")
  echo "first differing frame: $first" >&2
  run_both "$first" "$level"
  diff native.json windows.json >&2 || true
  return 1
}

status=0
for level in 1 2 3 4 5; do check 1000 "$level" || status=1; done
check 20000 1 || status=1
exit $status
