#!/usr/bin/env bash
# Builds what a player downloads into dist/, replacing what was there: the Debian package, the
# Windows zip, the web zip and SHA256SUMS over them. Each comes from a release build of its own
# (presets package-linux, package-windows and package-web, in build/package-*) unless an existing
# build folder is given, which is brought up to date and packed as it is (the test command packs
# the builds it tested).
# Usage: scripts/package.sh [--linux-build DIR] [--windows-build DIR] [--web-build DIR] [--no-windows]
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A build=([linux]="" [windows]="" [web]="")
platforms=(linux windows web)
while (($#)); do
  case "$1" in
    --linux-build | --windows-build | --web-build)
      platform=${1#--}
      build[${platform%-build}]=$2
      shift 2
      ;;
    --no-windows)
      platforms=(linux web)
      shift
      ;;
    *)
      sed -n 's/^# Usage: //p' "$0" >&2
      exit 2
      ;;
  esac
done

if [[ " ${platforms[*]} " == *" windows "* ]]; then
  scripts/install-deps.sh
else
  scripts/install-deps.sh --no-windows
fi
export NODE_PATH=/usr/share/nodejs  # Debian's Emscripten runs on the system's Node modules

shopt -s nullglob
rm -rf dist
mkdir -p dist
for platform in "${platforms[@]}"; do
  dir=${build[$platform]}
  if [[ -z "$dir" ]]; then
    cmake --preset "package-$platform" >/dev/null
    dir=build/package-$platform
  fi
  cmake --build "$dir" -j "$(nproc)"
  rm -rf "$dir/packages"
  cpack --config "$dir/CPackConfig.cmake" -B "$dir/packages" >/dev/null
  made=("$dir"/packages/kelvaron*.deb "$dir"/packages/kelvaron*.zip)
  ((${#made[@]} == 1)) || { echo "package: $dir made ${made[*]:-nothing}" >&2; exit 1; }
  cp "${made[@]}" dist/
done
(cd dist && sha256sum -- *.deb *.zip >SHA256SUMS)
ls -l dist
