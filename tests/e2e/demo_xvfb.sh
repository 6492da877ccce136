#!/usr/bin/env bash
# Runs pw-demo on a private Xvfb server and drives it with xdotool as a user would: types into
# the edit box, meets the error box, picks combo box items by mouse and keyboard, clicks the radio
# and the owner-drawn OK button, and checks the lines the demo prints and its exit code.
# Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u

demo=${1:?usage: demo_xvfb.sh PATH_TO_PW_DEMO}
source "$(dirname "$0")/xvfb-session.sh"


work=$(mktemp -d)
xvfb_pid=
demo_pid=
cleanup() {
  [ -n "$demo_pid" ] && kill -KILL "$demo_pid" 2> /dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- pw-demo output"
  cat "$work/out" 2> /dev/null
  echo "--- pw-demo errors"
  cat "$work/err" 2> /dev/null
  exit 1
}

# Where no display answers, the demo runs on the headless backend instead.
fallback=$(DISPLAY=:65000 WAYLAND_DISPLAY= timeout 3 "$demo" 2> /dev/null | head -n 1)
[ "$fallback" = "BACKEND headless" ] || fail "without a display the demo said '$fallback'"

start_xvfb

"$demo" > "$work/out" 2> "$work/err" &
demo_pid=$!

# Waits until the demo has printed a line matching the pattern (a whole line).
expect_line() {
  for _ in $(seq 100); do
    grep -qx -- "$1" "$work/out" && return 0
    kill -0 "$demo_pid" 2> /dev/null || break
    sleep 0.1
  done
  fail "no line '$1'"
}
# Clicks at a point of the demo window's client area.
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}
# Waits until the demo shows this many windows (a drop-down list is a window of its own).
expect_windows() {
  local count=0
  for _ in $(seq 100); do
    count=$(xdotool search --onlyvisible --pid "$demo_pid" 2> /dev/null | wc -l)
    [ "$count" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the demo shows $count windows, not $1"
}
# The colour of one pixel of a window, as "r,g,b".
pixel() {
  import -window "$1" "$work/shot.png" 2>> "$work/import.log" || return 1
  convert "$work/shot.png" -crop "1x1+$2+$3" -depth 8 txt:- |
    sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}
# Waits until a pixel of a window has the colour (it may take a moment to be painted).
expect_pixel() {
  local seen=
  for _ in $(seq 30); do
    seen=$(pixel "$1" "$2" "$3")
    [ "$seen" = "$4" ] && return 0
    sleep 0.1
  done
  fail "pixel ($2, $3) of $5 is '$seen', not $4"
}
can_shoot=
command -v import > /dev/null && command -v convert > /dev/null && can_shoot=1

window=$(timeout 20 xdotool search --sync --name '^Demo$' | head -n 1)
[ -n "$window" ] || fail "the Demo window did not appear"
expect_line "BACKEND sdl"

# The real window is exactly the designed client area, where the demo placed it.
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 320 ] && [ "$HEIGHT" = 200 ] || fail "window is ${WIDTH}x${HEIGHT}, not 320x200"

# Our surface is on screen: the window background is the button face colour.
[ -n "$can_shoot" ] && expect_pixel "$window" 300 190 "212,208,200" "the demo window"

# Typing into the edit box: characters and Backspace, each change notified once.
click 60 26
xdotool type --delay 50 "abX"
expect_line "EN_CHANGE abX"
xdotool key BackSpace
expect_line "EN_CHANGE ab"
xdotool type --delay 50 "c"
expect_line "EN_CHANGE abc"
if grep -q "EN_CHANGE aa" "$work/out"; then fail "typed characters arrived twice"; fi

# OK with no combo box item chosen: a modal error box, answered with Return.
click 53 162
expect_line "BN_CLICKED 104"
box=$(timeout 20 xdotool search --sync --name '^pw-demo$' | head -n 1)
[ -n "$box" ] || fail "the message box did not appear"
[ -n "$can_shoot" ] && expect_pixel "$box" 28 16 "255,0,0" "the error icon"
grep -q "^RESULT" "$work/out" && fail "RESULT before an item was chosen"
xdotool mousemove --window "$box" 5 5
xdotool key Return
expect_line "MESSAGEBOX 1"
expect_windows 1

# The combo box: drop the list with its button, click the second item; then Down moves on.
click 208 62
expect_line "CBN_DROPDOWN"
expect_windows 2
click 60 95
expect_line "CBN_SELCHANGE 1"
expect_windows 1
xdotool key Down
expect_line "CBN_SELCHANGE 2"

# The radio button, then the owner-drawn OK button.
click 24 98
expect_line "BN_CLICKED 103"
click 53 162
expect_line "RESULT edit=abc combo=2"

for _ in $(seq 100); do
  kill -0 "$demo_pid" 2> /dev/null || break
  sleep 0.1
done
kill -0 "$demo_pid" 2> /dev/null && fail "pw-demo did not end after RESULT"
wait "$demo_pid"
code=$?
demo_pid=
[ "$code" = 0 ] || fail "pw-demo ended with exit code $code"
echo "PASS"
cat "$work/out"
