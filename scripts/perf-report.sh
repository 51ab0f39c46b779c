#!/usr/bin/env bash
# Per-level performance report as a Markdown table: each level's fight, played once by the
# autopilot (fixed seed, invincible) and then again from its recorded controls, headless; update
# and drawing cost per frame, frames per second headless, peak resident memory; and the speed of a
# whole recorded game.
# Usage: scripts/perf-report.sh [SIM]   (default: the release build's runner, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
sim=${1:-}
if [[ -z "$sim" ]]; then
  scripts/build-preset.sh release kelvaron-sim >/dev/null
  sim=build/release/tools/sim/kelvaron-sim
fi
exec python3 scripts/perf-report.py "$sim"
