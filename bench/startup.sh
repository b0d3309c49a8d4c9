#!/usr/bin/env bash
# Start-up cost of one gorvi run against the floor program, on this machine:
#   - instructions per whole-process run, counted by callgrind (repeatable);
#   - median wall time of paired, alternating runs, and the ratio of medians.
# Goals: at most 100,000 instructions, and a ratio of at most 1.15.
#
# Usage: startup.sh GORVI FLOOR TIMER [PAIRS]
# (the bench target passes the three built programs; PAIRS defaults to 5000)
set -euo pipefail
gorvi=$(realpath "$1") floor=$(realpath "$2") timer=$(realpath "$3") pairs=${4:-5000}
command -v valgrind >/dev/null || { echo "startup.sh needs valgrind (Debian: valgrind)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '0 10 0 10 7\n' >gorvi.in

# glibc's start-up scans the environment, so its size counts: the goal is
# judged with an empty one, and the count with this shell's is shown too.
instructions() {
  "$@" 2>&1 | awk '/Collected :/ { print $NF }'
}
callgrind=(valgrind --tool=callgrind --callgrind-out-file=/dev/null)
gorvi_instructions=$(instructions env -i "${callgrind[@]}" "$gorvi")
floor_instructions=$(instructions env -i "${callgrind[@]}" "$floor")
gorvi_instructions_here=$(instructions "${callgrind[@]}" "$gorvi")
floor_instructions_here=$(instructions "${callgrind[@]}" "$floor")

verdict() { if awk "BEGIN { exit !($1) }"; then echo "meets the goal"; else echo "MISSES the goal"; fi; }

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(uname -sr)"
echo "gorvi: $(stat -c %s "$gorvi") bytes; floor: $(stat -c %s "$floor") bytes"
echo
echo "instructions per run (callgrind, whole process):"
echo "  empty environment: gorvi $gorvi_instructions, floor $floor_instructions;" \
  "goal <= 100000: $(verdict "$gorvi_instructions <= 100000")"
echo "  this shell's environment ($(env | wc -c) bytes): gorvi $gorvi_instructions_here," \
  "floor $floor_instructions_here"
echo
echo "wall time, $pairs alternating pairs:"
report=$(env -i "$timer" "$pairs" "$gorvi" "$floor")
sed 's/^/  /' <<<"$report"
ratio=$(awk '/ratio of medians/ { print $NF }' <<<"$report")
echo "  goal <= 1.15: $(verdict "$ratio <= 1.15")"
