#!/usr/bin/env bash
# Builds the fuzz preset and runs each libFuzzer target for a bounded time,
# starting from the seed corpus in fuzz/corpus/ (copied, so the seeds in the
# repository stay as they are). Fails on any finding; the input that caused
# it is kept in build/fuzz/findings/.
#
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

top=$PWD
findings=$top/build/fuzz/findings
mkdir -p "$findings"
# The working corpus, and TMPDIR for the program target's scratch folder, in
# one folder that goes away however the run ends.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corpus=$work/corpus
mkdir "$corpus" "$work/tmp"
for target in split_rule program; do
  rm -rf "${corpus:?}"/*
  cp "$top/fuzz/corpus/$target"/* "$corpus/"
  echo "fuzzing ${target} for ${seconds}s"
  log=$top/build/fuzz/$target.log
  # Paths are absolute: the program target works in a scratch folder of its own.
  if ! TMPDIR=$work/tmp "$top/build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz target $target found a fault; see $findings"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" | sed "s/^/$target /"
done
