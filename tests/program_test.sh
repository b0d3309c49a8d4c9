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
#
# The fault cases that need the program as a process of its own (system-call
# faults with strace, file-size limits with prlimit, another user with
# setpriv) run when COMMAND is the program alone, not an emulator. A case
# whose tool or privilege is missing says so and is skipped; with
# GORVI_REQUIRE_ALL_TESTS=1 (as CI sets it) a skip counts as a failure.
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

# gorvi always exits 0, so a first run that does not means the program cannot
# run here at all: an emulator wrapper that exits 77 has said why in a line
# (a skip), anything else is a failure.
mkdir "$scratch/probe"
(cd "$scratch/probe" && "${program[@]}" </dev/null >/dev/null 2>"$scratch/probe.stderr")
probe_status=$?
if ((probe_status != 0)); then
  cat "$scratch/probe.stderr"
  ((probe_status == 77)) || echo "the program cannot run: exit status $probe_status"
  exit "$probe_status"
fi
rm -rf "$scratch/probe"
passed=0
failed=0
skipped=0

# Records a failed check of the current case; a case with any failed check
# counts once as failed.
fail() {
  echo "FAIL $case_name: $*"
  case_failed=1
}

# Starts a case: a fresh folder, made the current one.
begin() {
  case_name=$1
  case_failed=0
  dir=$scratch/$case_name
  mkdir -p "$dir" && cd "$dir" || exit 2
}

# Skips the current case, saying why in one line.
skip() {
  if [[ ${GORVI_REQUIRE_ALL_TESTS-} == 1 ]]; then
    echo "FAIL $case_name: cannot run: $*"
    failed=$((failed + 1))
  else
    echo "SKIP $case_name: $*"
    skipped=$((skipped + 1))
  fi
  cd "$scratch" || exit 2
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
  if ((case_failed)); then
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
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

# gorvi.out the same file as gorvi.in, however linked: emptying it would
# destroy the input, so neither file is touched. name | how gorvi.out is made.
same_file_cases=(
  'output-is-a-symbolic-link-to-input|ln -s gorvi.in gorvi.out'
  'output-is-a-hard-link-to-input|ln gorvi.in gorvi.out'
  'input-is-a-symbolic-link-to-output|mv gorvi.in gorvi.out && ln -s gorvi.out gorvi.in'
  'output-is-a-symbolic-link-by-a-longer-path|ln -s "$PWD/../$case_name/./gorvi.in" gorvi.out'
)
for entry in "${same_file_cases[@]}"; do
  IFS='|' read -r name link <<<"$entry"
  begin "$name"
  write_input '1 2 3 4 5\n'
  eval "$link"
  run_program
  finish '' none
done

# The fault cases below run the program as a process of its own.
if (($# > 1)); then
  echo "note: system-call faults, file-size limits and other users are checked on native builds only"
  echo "$passed passed, $failed failed, $skipped skipped"
  ((failed == 0))
  exit
fi

# Copies the program where any user may run it, for the cases that drop
# privileges (the build tree may sit in a folder only its owner can enter).
chmod 755 "$scratch"
mkdir "$scratch/bin"
cp "${program[0]}" "$scratch/bin/"
program=("$scratch/bin/$(basename "${program[0]}")")

# A coverage build writes its profile at exit; under a file-size limit or as
# another user it could not, and would say so on the console.
profile_discarded=()
[[ -n ${LLVM_PROFILE_FILE-} ]] && profile_discarded=(env LLVM_PROFILE_FILE=/dev/null)

strace_works=0
strace -o /dev/null true 2>/dev/null && strace_works=1
strace_missing="strace with working system-call tracing is needed (Debian: strace)"

# Runs the program under strace with the given filter and fault injection;
# the trace goes to $dir.trace, and a run stuck for a minute is ended.
# LeakSanitizer cannot work under a tracer, so a sanitized build skips its
# leak check there (the other cases make it).
run_program_under_strace() {
  ASAN_OPTIONS="${ASAN_OPTIONS-}:detect_leaks=0" timeout 60 strace -qq -o "$dir.trace" "$@" \
    "${program[@]}" </dev/null >"$dir.stdout" 2>"$dir.stderr"
  status=$?
}

# Writes gorvi.in as 0 10 0 10 12 (answer 2 10) with the divisor 12 across
# the end of the first block that stdio reads (the file's I/O block size): a
# failing second read leaves "1" behind it, which taken as read would give
# the answer 10 10.
write_input_across_a_block() {
  write_input '0 10 0 10'
  head -c $(($(stat -c %o gorvi.in) - 1 - 9)) /dev/zero | tr '\0' ' ' >>gorvi.in
  printf '12\n' >>gorvi.in
  cp gorvi.in "$dir.in-before"
}

# Read errors from the disk, injected into the program's real read() of
# gorvi.in: a number cut short must never be taken as read.
# name | which read of gorvi.in fails
read_error_cases=(
  'read-error-at-the-first-read|1'
  'read-error-inside-the-last-number|2'
)
for entry in "${read_error_cases[@]}"; do
  IFS='|' read -r name which_read <<<"$entry"
  begin "$name"
  ((strace_works)) || { skip "$strace_missing"; continue; }
  write_input_across_a_block
  run_program_under_strace -P "$(pwd -P)/gorvi.in" -e inject=read:error=EIO:when="$which_read"
  grep -q 'EIO.*(INJECTED)' "$dir.trace" || fail "no read error was injected"
  finish ''
done

begin read-error-control-the-same-input-without-a-fault
write_input_across_a_block
run_program
finish '2 10'

# Writes of the answer that fail: gorvi.out keeps nothing, never part of a
# line. name | gorvi.in | error of every write to gorvi.out
write_error_cases=(
  'write-fails-no-space|1 2 3 4 5\n|ENOSPC'
  'write-fails-quota|-2147483648 0 0 -2147483648 -1\n|EDQUOT'
  'write-fails-disk-error|5 6 1 2 10\n|EIO'
)
for entry in "${write_error_cases[@]}"; do
  IFS='|' read -r name input error <<<"$entry"
  begin "$name"
  ((strace_works)) || { skip "$strace_missing"; continue; }
  write_input "$input"
  run_program_under_strace -P "$(pwd -P)/gorvi.out" -e inject=write:error="$error"
  grep -q "$error.*(INJECTED)" "$dir.trace" || fail "no write error was injected"
  finish ''
done

# A file-size limit (RLIMIT_FSIZE) below the answer line: the write is cut
# short or fails, and SIGXFSZ must not end the process.
# name | gorvi.in | limit in bytes | expected gorvi.out
file_size_limit_cases=(
  'file-size-limit-zero|1 2 3 4 5\n|0|'
  'file-size-limit-two-bytes-of-a-long-line|-2147483647 -1 -2147483647 -2147483647 2\n|2|'
  'file-size-limit-one-byte-short|1 2 3 4 5\n|3|'
  'file-size-limit-one-byte-short-of-the-longest-line|-2147483648 2147483647 -2147483648 -1 -2147483648\n|22|'
  'file-size-limit-exactly-the-line|1 2 3 4 5\n|4|1 4'
)
for entry in "${file_size_limit_cases[@]}"; do
  IFS='|' read -r name input limit expected <<<"$entry"
  begin "$name"
  command -v prlimit >/dev/null || { skip "prlimit is needed (Debian: util-linux)"; continue; }
  write_input "$input"
  "${profile_discarded[@]}" prlimit --fsize="$limit" "${program[@]}" </dev/null \
    >"$dir.stdout" 2>"$dir.stderr"
  status=$?
  finish "$expected"
done

# gorvi.out a FIFO whose reader has gone by the time the answer is written:
# the write fails with EPIPE, and SIGPIPE must not end the process. The
# reader opens the FIFO and closes it at once; strace holds the program's
# write back until then.
begin output-is-a-pipe-whose-reader-went-away
if ((strace_works)); then
  write_input '1 2 3 4 5\n'
  mkfifo gorvi.out
  (exec 3<gorvi.out) &
  run_program_under_strace -P "$(pwd -P)/gorvi.out" -e inject=write:delay_enter=1000000
  wait
  grep -q 'EPIPE' "$dir.trace" || fail "the write did not meet a closed pipe: $(grep write "$dir.trace")"
  finish '' none
else
  skip "$strace_missing"
fi

# Permissions as an ordinary user sees them. As root the program runs as
# nobody (setpriv), since root may read and write anything.
# name | mode of gorvi.in | mode of gorvi.out, or "absent" | mode of the folder | expected
# "absent" as the expected answer means no gorvi.out may appear.
as_user=()
if ((EUID == 0)); then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
permission_cases=(
  'read-only-input-is-answered|444|absent|777|1 4'
  'write-only-output-is-answered-and-replaced|444|222|555|1 4'
  'unreadable-input-leaves-output-empty|000|absent|777|'
  'unwritable-folder-gets-nothing-written|444|absent|555|absent'
)
for entry in "${permission_cases[@]}"; do
  IFS='|' read -r name input_mode output_mode folder_mode expected <<<"$entry"
  begin "$name"
  if ((EUID == 0)) && ! setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
    skip "as root, dropping to the user nobody needs setpriv (Debian: util-linux)"
    continue
  fi
  write_input '1 2 3 4 5\n'
  [[ $output_mode == absent ]] || printf 'a stale answer that must go\n' >gorvi.out
  [[ $output_mode == absent ]] || chmod "$output_mode" gorvi.out
  chmod "$input_mode" gorvi.in
  chmod "$folder_mode" .
  "${profile_discarded[@]}" "${as_user[@]}" "${program[@]}" </dev/null \
    >"$dir.stdout" 2>"$dir.stderr"
  status=$?
  chmod 755 .
  chmod 644 gorvi.in
  [[ -e gorvi.out ]] && chmod 644 gorvi.out
  if [[ $expected == absent ]]; then
    [[ ! -e gorvi.out ]] || fail "gorvi.out was created"
    finish '' none
  else
    finish "$expected"
  fi
done

echo "$passed passed, $failed failed, $skipped skipped"
((failed == 0))
