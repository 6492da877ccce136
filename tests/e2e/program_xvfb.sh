#!/usr/bin/env bash
# Runs profile-weight on a private Xvfb server and uses it as a person would with xdotool: chooses
# IPB by its icon, types a length, presses "Calc.", opens the showcase window, steps through
# slides, closes it, then closes the program. Checks the window titles, that the result appeared
# on screen, and the exit code. Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u

program=${1:?usage: program_xvfb.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"

work=$(mktemp -d)
xvfb_pid=
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2> /dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program errors"
  cat "$work/err" 2> /dev/null
  exit 1
}

start_xvfb

"$program" > "$work/out" 2> "$work/err" &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profile Weight$' | head -n 1)
[ -n "$window" ] || fail "the Profile Weight window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 387 ] && [ "$HEIGHT" = 455 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 387x455"

click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
# The result label's area, as text pixels, for comparing.
result_area() {
  command -v import > /dev/null || return 0
  import -window "$window" "$work/shot.png" 2> /dev/null &&
    convert "$work/shot.png" -crop 90x18+270+236 -depth 8 rgb:- | md5sum
}

before=$(result_area)
click "$window" 336 108  # the IPB icon
click "$window" 152 210  # the length box
xdotool key End BackSpace
xdotool type --delay 30 "6000"
click "$window" 308 186  # Calc.
after=$(result_area)
[ -z "$before" ] || [ "$before" != "$after" ] || fail "the result did not change on screen"

click "$window" 344 36  # the NORVEX button: the showcase window, modally
showcase=$(timeout 20 xdotool search --sync --onlyvisible --name '^Resume$' | head -n 1)
[ -n "$showcase" ] || fail "the Resume window did not appear"
click "$showcase" 462 123  # next
click "$showcase" 462 182  # previous
click "$showcase" 462 123  # next
xdotool key --window "$showcase" alt+F4 2> /dev/null
for _ in $(seq 50); do
  [ -z "$(xdotool search --onlyvisible --name '^Resume$' 2> /dev/null)" ] && break
  sleep 0.1
done
[ -z "$(xdotool search --onlyvisible --name '^Resume$' 2> /dev/null)" ] ||
  fail "the Resume window did not close"

xdotool key --window "$window" alt+F4 2> /dev/null
for _ in $(seq 100); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2> /dev/null && fail "the program did not end when its window closed"
wait "$pid"
code=$?
pid=
[ "$code" = 0 ] || fail "the program ended with exit code $code"
echo "PASS"
