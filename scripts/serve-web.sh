#!/usr/bin/env bash
# Installs what is missing, builds the browser program and serves its folder (build/web/site) on
# 127.0.0.1 with Python's static file server. Ctrl-C stops it.
# Usage: scripts/serve-web.sh [PORT]   (default 8000)
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
port="${1:-8000}"
"$repo/scripts/install-deps.sh" --no-windows
"$repo/scripts/build-preset.sh" web
echo "Kelvaron: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$repo/build/web/site"
