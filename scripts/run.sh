#!/usr/bin/env bash
# Installs what is missing, builds the game optimised, and starts it in the current directory
# (where it keeps highscores.csv).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
"$repo/scripts/install-deps.sh" --no-windows
"$repo/scripts/build-preset.sh" release kelvaron
exec "$repo/build/release/src/platform/sdl/kelvaron" "$@"
