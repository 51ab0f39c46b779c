#!/usr/bin/env bash
# Soak: the autopilot plays every level again and again, invincible, with random input mixed in,
# in the sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer). Fails on
# any sanitizer finding, when the sprites in play grow past a bound, or when resident memory keeps
# growing once the run has settled (see soak-check.py).
# Usage: scripts/soak.sh [FRAMES] [SIM]   (defaults: 1,000,000 frames; the asan build's runner)
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-1000000}
sim=${2:-}
if [[ -z "$sim" ]]; then
  scripts/build-preset.sh asan kelvaron-sim
  sim=build/asan/tools/sim/kelvaron-sim
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A small quarantine: freed memory is still checked for reuse, without holding hundreds of
# megabytes that would hide whether the game's own memory stays flat.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:quarantine_size_mb=16:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"
start=$(date +%s)
"$sim" --frames "$frames" --workdir "$work" --autopilot --invincible --noise 0.05 --seed 1 \
  --memory-log "$work/memory.log" --state "$work/state.json"
seconds=$(($(date +%s) - start))
python3 scripts/soak-check.py "$work/memory.log" "$work/state.json" "$seconds"
