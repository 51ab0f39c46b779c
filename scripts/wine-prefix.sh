#!/usr/bin/env bash
# Sourced with the prefix folder as its argument: sets up the environment for running kelvaron's
# Windows programs under Wine and creates the throwaway prefix once (idempotent, safe when several
# tests start at the same time).
kelvaron_prefix=$(realpath -m "$1")
mkdir -p "$(dirname "$kelvaron_prefix")"
export WINEPREFIX=$kelvaron_prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs (nothing here uses .NET or HTML), and no menu entries or file
# associations written into the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
(
  flock 9
  if [[ ! -e "$kelvaron_prefix/.kelvaron-ready" ]]; then
    rm -rf "$kelvaron_prefix"
    started=$(date +%s%N)
    wineboot -i >/dev/null 2>&1 || true
    # Wine draws the window frame itself (caption, close box) instead of leaving it to a window
    # manager, which the tests' bare X server does not have.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    wineserver -w
    touch "$kelvaron_prefix/.kelvaron-ready"
    echo "wine-prefix: created $kelvaron_prefix in $((($(date +%s%N) - started) / 1000000)) ms" >&2
  fi
) 9>"$kelvaron_prefix.lock"
