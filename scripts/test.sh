#!/usr/bin/env bash
# Builds and runs every test: the optimised build with warnings as errors (unit tests, the headless
# runner and the real-window test under Xvfb), the browser build tested in headless Chromium, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a minute of fuzzing each file
# loader, and the Windows build under Wine. Also checks the formatting, and packs the builds it
# tested into the downloads and checks those as a packager would.
# Usage: scripts/test.sh [--no-windows]
set -euo pipefail
cd "$(dirname "$0")/.."

windows=1
if [[ "${1:-}" == "--no-windows" ]]; then windows=0; fi

if ((windows)); then scripts/install-deps.sh; else scripts/install-deps.sh --no-windows; fi

jobs=$(nproc)
step() { printf '\n== %s ==\n' "$*"; }

step "format"
scripts/check-format.sh

step "ci build (warnings are errors)"
scripts/build-preset.sh ci
ctest --preset ci -j "$jobs"

step "browser build, tested in headless Chromium"
scripts/build-preset.sh web
# npm ci only when the lock file changed since the last install.
if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.kelvaron-lock; then
  (cd tests/web && npm ci --no-audit --no-fund && cp package-lock.json node_modules/.kelvaron-lock)
fi
node tests/web/browser-test.mjs build/web/site build/ci/tools/sim/kelvaron-sim

step "sanitizer build (ASan + UBSan)"
scripts/build-preset.sh asan
ctest --preset asan -j "$jobs"

step "fuzzing the replay, highscore and input-file loaders (60 s each, side by side)"
scripts/fuzz.sh 60

if ((windows)); then
  step "Windows build under Wine"
  # The agreement test plays the native runner of the ci build against the Windows one, and also
  # verifies the replay that the ci build's window test recorded in the Linux window program.
  scripts/build-preset.sh windows -DKELVARON_NATIVE_SIM="$PWD/build/ci/tools/sim/kelvaron-sim" \
    -DKELVARON_SDL_REPLAY="$PWD/build/ci/window-replay.kvr"
  ctest --preset windows
fi

step "downloads (dist/), packed from the builds above and checked as a packager would"
if ((windows)); then
  scripts/package.sh --linux-build build/ci --web-build build/web --windows-build build/windows
else
  scripts/package.sh --linux-build build/ci --web-build build/web --no-windows
fi
scripts/check-packages.sh build/ci/tools/sim/kelvaron-sim build/windows/wineprefix
