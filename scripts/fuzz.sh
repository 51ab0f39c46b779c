#!/usr/bin/env bash
# Runs the libFuzzer targets side by side for SECONDS each (default 60): the replay loader, the
# highscore file loader, the runner's input-file parser and the settings file's reader. Fails on any
# crash, hang or sanitizer finding, printing that target's log; otherwise prints each target's
# executions and coverage.
# New finds go to corpora of the build's own; the seeds in fuzz/ stay as they are.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(replay_loader_fuzz:corpus highscore_loader_fuzz:corpus-highscores
         input_timeline_fuzz:corpus-input settings_loader_fuzz:corpus-settings)

scripts/build-preset.sh fuzz "${targets[@]%%:*}"

pids=()
for entry in "${targets[@]}"; do
  target=${entry%%:*} seeds=${entry#*:}
  mkdir -p "build/fuzz/$seeds"
  build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    "build/fuzz/$seeds" "fuzz/$seeds" >"build/fuzz/$target.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]%%:*}
  if wait "${pids[$i]}"; then
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "build/fuzz/$target.log")
    coverage=$(grep -o 'cov: [0-9]*' "build/fuzz/$target.log" | tail -n1)
    echo "fuzz: $target: $runs runs in $seconds s, $coverage, no finding"
  else
    echo "fuzz: $target FAILED"
    tail -n 60 "build/fuzz/$target.log"
    failed=1
  fi
done
exit "$failed"
