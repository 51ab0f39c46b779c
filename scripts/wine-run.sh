#!/usr/bin/env bash
# Runs a Windows program under Wine in the given throwaway prefix; CTest uses this as the emulator
# of the cross build. Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$1"
shift
exec wine "$@"
