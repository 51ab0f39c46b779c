#!/usr/bin/env bash
# The Windows programs link their C++ runtime statically: every DLL they import must be one that
# Windows itself ships. Usage: check_imports.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1
shift
allowed='^(KERNEL32|USER32|GDI32|WINMM|ADVAPI32|SHELL32|OLE32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
  [[ -n "$dlls" ]] || { echo "FAIL: $exe imports nothing?"; status=1; continue; }
  while read -r dll; do
    if [[ ! "$dll" =~ $allowed ]]; then
      echo "FAIL: $(basename "$exe") needs $dll, which Windows does not ship"
      status=1
    fi
  done <<<"$dlls"
  echo "$(basename "$exe") imports: $(echo $dlls)"
done
exit $status
