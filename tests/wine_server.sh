#!/bin/sh
# Starts and stops Wine for the tests of a Windows build, in the prefix that
# WINEPREFIX names (one of the build tree's own).
#
# Usage: wine_server.sh start|stop WINE_RUN LOADER
#   WINE_RUN   cmake/wine-run.sh, which exits 77 when LOADER cannot run here
#
# start makes the prefix and waits until Wine has finished it (it does part
# of that in the background, and says so on the console). Then it starts a
# server that stays up, and Wine's own services with it, all with no console:
# a server that quits when idle can fail the start of the next program, and a
# service started by a test would hold that test's output open.
set -u
action=$1 wine_run=$2 loader=$3
server=$(dirname "$loader")/wineserver

"$server" -k 2>/dev/null  # stop what an interrupted run left behind
[ "$action" = stop ] && exit 0

"$wine_run" "$loader" wineboot --init || exit
"$server" -w
"$server" -p </dev/null >/dev/null 2>&1
"$loader" wineboot </dev/null >/dev/null 2>&1
