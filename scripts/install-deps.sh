#!/usr/bin/env bash
# Installs the Debian packages Kelvaron needs to build, run and test, and nothing that is already there.
# Usage: scripts/install-deps.sh [--no-windows]
#   --no-windows  skip the mingw-w64 cross toolchain and Wine (only needed for kelvaron.exe)
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libpng-dev nlohmann-json3-dev libcli11-dev libtomlplusplus-dev
  xvfb xdotool x11-apps imagemagick python3
  clang libclang-rt-14-dev
  emscripten chromium-headless-shell
  dpkg-dev lintian appstream desktop-file-utils zip unzip
  sox
)
# The browser test runs on Node.js and installs its client library with npm; a machine that has
# them from elsewhere keeps its own.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then packages+=(nodejs npm); fi
if [[ "${1:-}" != "--no-windows" ]]; then
  packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  echo "install-deps: everything is installed"
  exit 0
fi

sudo=""
if [[ "$(id -u)" != 0 ]]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
