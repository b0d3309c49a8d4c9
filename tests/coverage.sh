#!/usr/bin/env bash
# Builds with clang's source-based coverage, runs every test, and reports the
# line and branch coverage of src/. Fails unless every line and every branch
# of src/ is covered; then it shows where.
#
# Usage: tests/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/coverage

rm -rf "$build/profiles"
cmake --workflow --preset coverage
llvm-profdata-14 merge -sparse "$build"/profiles/*.profraw -o "$build/gorvi.profdata"

coverage_of_src=(-instr-profile="$build/gorvi.profdata" "$build/gorvi"
                 -object "$build/tests/split_rule_test" "$PWD/src")
llvm-cov-14 report "${coverage_of_src[@]}" | tee "$build/report.txt"
# The TOTAL row: missed lines are column 9, missed branches column 12.
read -r missed_lines missed_branches < <(awk '$1 == "TOTAL" { print $9, $12 }' "$build/report.txt")
if [[ $missed_lines != 0 || $missed_branches != 0 ]]; then
  llvm-cov-14 show -show-branches=count -show-line-counts "${coverage_of_src[@]}" |
    grep -E -B3 -A3 '\|      0\||\[True: 0|False: 0\]' || true
  echo "src/ is not fully covered: $missed_lines lines and $missed_branches branches missed"
  exit 1
fi
echo "every line and branch of src/ is covered"
