#!/bin/sh
# Runs a Windows program through a Wine loader: the cross-compiling emulator
# that the MinGW-w64 toolchain files set.
#
# Usage: wine-run.sh LOADER PROGRAM [ARGUMENT...]
#   LOADER   /usr/lib/wine/wine for 32-bit programs, /usr/lib/wine/wine64 for 64-bit
#
# When this machine cannot run programs through LOADER (Wine or its 32-bit
# half not installed, or a kernel without 32-bit support), it says so in one
# line on stderr and exits 77, which the tests report as skipped. With
# GORVI_REQUIRE_ALL_TESTS=1 (as CI sets it) it exits 1 instead: a failure.
loader=$1
shift
if ! "$loader" --version >/dev/null 2>&1; then
  case $loader in
    *64) install="apt-get install wine64" ;;
    *) install="dpkg --add-architecture i386 && apt-get update && apt-get install wine32:i386" ;;
  esac
  echo "$loader cannot run Windows programs here: install it (Debian: $install), on a kernel that runs its programs" >&2
  if [ "${GORVI_REQUIRE_ALL_TESTS-}" = 1 ]; then
    exit 1
  fi
  exit 77
fi
exec "$loader" "$@"
