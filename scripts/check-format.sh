#!/usr/bin/env bash
# Fails when a C++ file of ours is not clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -v '^build/')
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files clean"
