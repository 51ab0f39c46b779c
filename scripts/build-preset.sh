#!/usr/bin/env bash
# Configures a CMake preset (quietly) and builds it, or only the targets named, on every core.
# Usage: scripts/build-preset.sh PRESET [-DNAME=VALUE ...] [TARGET ...]
#   -D...   cache settings for the configure step; every other word is a target to build
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$1
shift
settings=()
targets=()
for word in "$@"; do
  if [[ "$word" == -D* ]]; then settings+=("$word"); else targets+=(--target "$word"); fi
done
cmake --preset "$preset" "${settings[@]}" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
