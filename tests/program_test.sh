#!/usr/bin/env bash
# End-to-end tests of the gorvi executable. Each case lays out a fresh scratch
# folder (a real gorvi.in, sometimes a stale or odd gorvi.out), runs the
# program there, and checks that gorvi.out holds exactly the expected bytes,
# that the console stayed empty, that the exit status was 0, that gorvi.in is
# unchanged and that nothing else appeared in the folder.
#
# Usage: program_test.sh [--crlf] COMMAND...
#   COMMAND   the program, absolute, after any emulator (wine64 gorvi.exe)
#   --crlf    expect CRLF line ends (a Windows build writes text mode)
set -u

eol=$'\n'
if [[ ${1-} == --crlf ]]; then
  eol=$'\r\n'
  shift
fi
(($# > 0)) || { echo "usage: $0 [--crlf] COMMAND..." >&2; exit 2; }
program=("$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

fail() {
  echo "FAIL $case_name: $*"
  failed=$((failed + 1))
}

# Starts a case: a fresh folder, made the current one.
begin() {
  case_name=$1
  failed_before=$failed
  dir=$scratch/$case_name
  mkdir -p "$dir" && cd "$dir" || exit 2
}

# Runs the program in the current case folder with no console input; the
# console output is kept outside the folder.
run_program() {
  "${program[@]}" </dev/null >"$dir.stdout" 2>"$dir.stderr"
  status=$?
}

# Checks the run of the current case. $1 is the expected content of
# gorvi.out: an answer line without its line end, or "" for an empty file.
# A second argument "none" expects gorvi.out to be left as the case set it up.
finish() {
  local expected=$1 output_rule=${2-file}
  ((status == 0)) || fail "exit status $status"
  [[ ! -s $dir.stdout ]] || fail "stdout: $(head -c 200 "$dir.stdout")"
  [[ ! -s $dir.stderr ]] || fail "stderr: $(head -c 200 "$dir.stderr")"
  if [[ $output_rule == file ]]; then
    local want=$dir.want
    if [[ -n $expected ]]; then
      printf '%s%s' "$expected" "$eol" >"$want"
    else
      : >"$want"
    fi
    if [[ ! -f gorvi.out ]]; then
      fail "no gorvi.out"
    elif ! cmp -s gorvi.out "$want"; then
      fail "gorvi.out is $(od -An -c gorvi.out | head -c 200), want $(od -An -c "$want")"
    fi
  fi
  if [[ -e $dir.in-before ]] && ! cmp -s gorvi.in "$dir.in-before"; then
    fail "gorvi.in was changed"
  fi
  local extra
  extra=$(ls -A | grep -v -x -e gorvi.in -e gorvi.out)
  [[ -z $extra ]] || fail "unexpected files: $extra"
  ((failed == failed_before)) && passed=$((passed + 1))
  cd "$scratch" || exit 2
}

# Writes gorvi.in from printf-style text and keeps a copy to compare after.
write_input() {
  printf -- "$1" >gorvi.in
  cp gorvi.in "$dir.in-before"
}

# Input files as text: name | gorvi.in (printf format) | expected answer line.
# An empty answer means gorvi.out is left empty: no answer was computed.
text_cases=(
  'one-line|1 2 3 4 5\n|1 4'
  'one-number-per-line-with-blank-lines-and-tabs|\n\t1\n\n2\t\n \n3\n\n\t4\n\n5\n|1 4'
  'crlf-line-ends|1\r\n2\r\n3\r\n4\r\n5\r\n|1 4'
  'every-white-space-kind|\v\f 1\t2\r3\n4\v\f5|1 4'
  'sixth-number-ignored|1 2 3 4 5\n99\n|1 4'
  'trailing-text-ignored|1 2 3 4 5 and then some words\n|1 4'
  'fifth-number-directly-followed-by-text|1 2 3 4 5x|1 4'
  'no-final-line-break|1 2 3 4 5|1 4'
  'leading-plus-sign|+1 2 3 4 5\n|1 4'
  'leading-zeros|001 0002 3 04 05\n|1 4'
  'no-pair|5 6 1 2 10\n|-1'
  'negative-values|-5 -1 -5 -1 3\n|-1'
  'negative-divisor|1 2 3 4 -5\n|1 4'
  'divisor-zero-with-zero-total|0 5 0 5 0\n|0 0'
  'divisor-zero-without-zero-total|1 5 0 5 0\n|-1'
  'sum-wraps|2147483647 2147483647 0 1 2\n|2147483647 1'
  'minimum-values|-2147483648 0 0 -2147483648 -1\n|-2147483648 0'
  'empty-file||'
  'white-space-only| \n\t\n|'
  'four-numbers|1 2 3 4\n|'
  'word-before-fifth|1 2 3 four 5\n|'
  'sign-without-digits|1 2 3 4 -\n|'
  'double-sign|1 2 3 4 --5\n|'
  'decimal-point-before-fifth|1 2.5 3 4 5\n|'
  'above-32-bits|1 2 3 4 2147483648\n|'
  'below-32-bits|-2147483649 2 3 4 5\n|'
  'far-above-32-bits|99999999999999999999 2 3 4 5\n|'
  'hexadecimal-prefix|0x1 2 3 4 5\n|'
  'nul-byte-first|\x001 2 3 4 5\n|'
  'nul-byte-after-fifth|1 2 3 4 5\x00\x00\n|1 4'
  'utf8-byte-order-mark|\357\273\2771 2 3 4 5\n|'
  'utf16-text|\377\3761\x00 \x002\x00 \x003\x00 \x004\x00 \x005\x00|'
  'binary-garbage|\377\001\302\200\033[2J\177\n|'
)
for entry in "${text_cases[@]}"; do
  IFS='|' read -r name input expected <<<"$entry"
  begin "$name"
  write_input "$input"
  run_program
  finish "$expected"
done

begin huge-number-of-digits
write_input "1$(printf '%05000d' 0) 2 3 4 5\n"
run_program
finish ''

begin thousands-of-leading-zeros
write_input "$(printf '%05000d' 1) 2 3 4 5\n"
run_program
finish '1 4'

begin tens-of-megabytes-of-white-space
head -c 30000000 /dev/zero | tr '\0' ' ' >gorvi.in
printf '\n1 2 3 4 5\n' >>gorvi.in
run_program
finish '1 4'

begin longer-stale-output-replaced
write_input '1 2 3 4 5\n'
printf 'an earlier, much longer answer\nover two lines\n' >gorvi.out
run_program
finish '1 4'

begin stale-output-emptied-on-bad-input
write_input '1 2 x\n'
printf '7 7\n' >gorvi.out
run_program
finish ''

begin input-missing
run_program
finish ''

begin input-missing-stale-output-emptied
printf '7 7\n' >gorvi.out
run_program
finish ''

begin input-is-a-folder
mkdir gorvi.in
run_program
finish ''

begin output-is-a-folder
write_input '1 2 3 4 5\n'
mkdir gorvi.out
run_program
[[ -d gorvi.out && -z $(ls -A gorvi.out) ]] || fail "the gorvi.out folder was touched"
finish '' none

# Every write fails (disk full): still silent and exit 0.
begin output-on-a-full-device
write_input '1 2 3 4 5\n'
ln -s /dev/full gorvi.out
run_program
finish '' none

# The command line is ignored.
begin arguments-ignored
write_input '1 2 3 4 5\n'
"${program[@]}" --help -v extra </dev/null >"$dir.stdout" 2>"$dir.stderr"
status=$?
finish '1 4'

echo "$passed passed, $failed failed"
((failed == 0))
