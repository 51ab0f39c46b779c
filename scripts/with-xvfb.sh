#!/usr/bin/env bash
# Runs a command in an X server of its own: Xvfb on a free display (-displayfd picks it, so two runs
# never collide), 1024x768 at 24 bits unless KELVARON_XVFB_SCREEN says otherwise (WxHxDEPTH),
# stopped again when the command ends.
# Usage: scripts/with-xvfb.sh COMMAND [ARGS...]   Exit status: the command's.
set -uo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "with-xvfb: Xvfb is not installed (scripts/install-deps.sh installs it)" >&2
  exit 77
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/kelvaron-xvfb.XXXXXX")
Xvfb -displayfd 3 -screen 0 "${KELVARON_XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT

for _ in $(seq 200); do
  if [[ -s "$dir/display" ]] || ! kill -0 "$xvfb" 2>/dev/null; then break; fi
  sleep 0.05
done
if [[ ! -s "$dir/display" ]]; then
  echo "with-xvfb: Xvfb did not start" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi

# Not exec: the trap has to stop the server afterwards.
DISPLAY=":$(head -n1 "$dir/display")" "$@"
