#!/usr/bin/env bash
# Per-level performance report as a Markdown table: each level's fight played headless by the
# autopilot (fixed seed, invincible) until the boss is dead; update and drawing cost per frame,
# frames per second headless, peak resident memory.
# Usage: scripts/perf-report.sh [SIM]   (default: the release build's runner, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
sim=${1:-}
if [[ -z "$sim" ]]; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j "$(nproc)" --target kelvaron-sim >/dev/null
  sim=build/release/tools/sim/kelvaron-sim
fi
exec python3 scripts/perf-report.py "$sim"
