#!/usr/bin/env bash
# Checks a Windows build of gorvi without running it: the executable's format
# (pei-i386 for 32-bit, pei-x86-64 for 64-bit), and that it imports only DLLs
# that every Windows has, so no MinGW runtime DLL has to sit beside it.
#
# Usage: check_windows_exe.sh OBJDUMP EXE FORMAT
set -euo pipefail
objdump=$1 exe=$2 format=$3

headers=$("$objdump" -p "$exe")
grep -q "file format $format\$" <<<"$headers" || {
  echo "FAIL: $exe is not $format: $(grep 'file format' <<<"$headers")"
  exit 1
}
imports=$(awk '/DLL Name:/ { print $3 }' <<<"$headers" | sort -u)
echo "$exe: $format, imports: $(echo $imports)"
unexpected=$(grep -v -i -x -e KERNEL32.dll -e msvcrt.dll -e 'api-ms-win-.*\.dll' <<<"$imports" || true)
if [[ -n $unexpected ]]; then
  echo "FAIL: imports DLLs that are not part of Windows: $unexpected"
  exit 1
fi
echo "1 passed, 0 failed"
