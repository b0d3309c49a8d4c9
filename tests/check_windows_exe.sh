#!/usr/bin/env bash
# Checks a Windows build of gorvi without running it: the executable's format
# (pei-i386 for 32-bit, pei-x86-64 for 64-bit); its version resource (the
# project's version as FileVersion and ProductVersion, with ProductName and
# FileDescription); and, when linked statically, that it imports only DLLs
# that every Windows has, so no MinGW runtime DLL has to sit beside it.
#
# Usage: check_windows_exe.sh OBJDUMP WINDRES EXE FORMAT static|dynamic VERSION
set -uo pipefail
objdump=$1 windres=$2 exe=$3 format=$4 linkage=$5 version=$6
passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}

headers=$("$objdump" -p "$exe")
echo "$exe: $(grep 'file format' <<<"$headers")"
check "format is $format" grep -q "file format $format\$" <<<"$headers"

resources=$("$windres" -i "$exe" -O rc)
IFS=. read -r major minor patch <<<"$version"
check "binary FILEVERSION $version" grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$resources"
check "binary PRODUCTVERSION $version" grep -q "PRODUCTVERSION $major, $minor, $patch, 0" <<<"$resources"
for field in "FileVersion\", \"$version\"" "ProductVersion\", \"$version\"" \
    'ProductName", "gorvi"' 'FileDescription", "gorvi: '; do
  check "version string $field" grep -qF "VALUE \"$field" <<<"$resources"
done

if [[ $linkage == static ]]; then
  imports=$(awk '/DLL Name:/ { print $3 }' <<<"$headers" | sort -u)
  echo "imports: $(echo $imports)"
  unexpected=$(grep -v -i -x -e KERNEL32.dll -e msvcrt.dll -e 'api-ms-win-.*\.dll' <<<"$imports")
  check "imports only DLLs that are part of Windows, not: $unexpected" test -z "$unexpected"
fi
echo "$passed passed, $failed failed"
((failed == 0))
