#!/usr/bin/env bash
# The built program run as a user runs it: a command, the example cut list from a file and
# through a pipe, exit codes, no display without a command, and the manual page installed by
# cmake --install.
set -u
program=${1:?usage: program_cli.sh PROFILE_WEIGHT SOURCE_DIR BUILD_DIR}
source_dir=${2:?}
build_dir=${3:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # expect CODE EXPECTED_STDOUT -- ARGS...
  local code=$1 expected=$2; shift 3
  local out err status
  out=$("$program" "$@" 2> "$work/err"); status=$?
  err=$(cat "$work/err")
  [ "$status" = "$code" ] || fail "$* exited $status, not $code ($err)"
  [ "$out" = "$expected" ] || fail "$*: printed '$out', not '$expected'"
}

expect 0 "122.4 kg" -- weigh "IPB 100" 6000
expect 0 "8.8 kg" -- weigh --trim l20x3 1000 10
expect 2 "" -- weigh "IPB 100" 12a
expect 64 "" -- weigh
expect 64 "" -- frobnicate

# The README's example, from the file and through standard input.
"$program" weigh --list "$source_dir/examples/cuts.csv" > "$work/file.txt" 2> "$work/err" ||
  fail "the example cut list: $(cat "$work/err")"
"$program" weigh --list - < "$source_dir/examples/cuts.csv" > "$work/pipe.txt" ||
  fail "the example cut list through a pipe"
cmp -s "$work/file.txt" "$work/pipe.txt" || fail "file and pipe give different output"
grep -q '^total ' "$work/file.txt" || fail "no total: $(cat "$work/file.txt")"
"$program" weigh --list "$source_dir/examples/cuts.csv" --format json |
  python3 -c 'import json, sys; d = json.load(sys.stdin); assert d["items"] and "total" in d' ||
  fail "the JSON output does not parse"

# Without a command and without a display: a message and exit code 1.
env -u DISPLAY -u WAYLAND_DISPLAY "$program" > /dev/null 2> "$work/err"
status=$?
[ "$status" = 1 ] || fail "no display: exit $status, not 1"
grep -q "no display" "$work/err" || fail "no display: no message ($(cat "$work/err"))"
# A command starts neither the windows nor the fonts: no font file or configuration is opened.
if command -v strace > /dev/null; then
  env -u DISPLAY -u WAYLAND_DISPLAY strace -f -qq -o "$work/trace" -e trace=openat,connect \
    "$program" weigh IPB100 6000 > /dev/null 2>&1
  ! grep -v '\.so' "$work/trace" | grep -E '/etc/fonts|/usr/share/fonts|\.ttf|fontconfig|X11-unix|wayland' ||
    fail "a command opens fonts or a display connection"
fi

# The manual page, installed and well formed.
cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null || fail "cmake --install"
page=$work/prefix/share/man/man1/profile-weight.1
[ -f "$page" ] || fail "no manual page at $page"
if command -v groff > /dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "manual page: $warnings"
  groff -man -Tutf8 "$page" 2> /dev/null | grep -q 'weigh' || fail "manual page renders empty"
fi

[ "$failures" = 0 ] && echo "all passed"
exit $((failures > 0))
