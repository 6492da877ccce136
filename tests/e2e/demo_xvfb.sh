#!/usr/bin/env bash
# Runs pw-demo on a private Xvfb server and drives it with xdotool as a user would: types into
# the edit box, meets the error box, picks combo box items by mouse and keyboard, clicks the radio
# and the owner-drawn OK button, and checks the lines the demo prints and its exit code.
# Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u

program=${1:?usage: demo_xvfb.sh PATH_TO_PW_DEMO}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/program-session.sh"
program_name=pw-demo
click_pause=0
show_logs() {
  show_log "pw-demo output" out
  show_log "pw-demo errors" err
}

# Where no display answers, the demo runs on the headless backend instead.
fallback=$(DISPLAY=:65000 WAYLAND_DISPLAY= timeout 3 "$program" 2> /dev/null | head -n 1)
[ "$fallback" = "BACKEND headless" ] || fail "without a display the demo said '$fallback'"

start_xvfb

start_program

# Waits until the demo has printed a line matching the pattern (a whole line).
expect_line() {
  for _ in $(seq 100); do
    grep -qx -- "$1" "$work/out" && return 0
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  fail "no line '$1'"
}
# Waits until the demo shows this many windows (a drop-down list is a window of its own).
expect_windows() {
  local count=0
  for _ in $(seq 100); do
    count=$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | wc -l)
    [ "$count" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the demo shows $count windows, not $1"
}
# The colour of one pixel of a window, as "r,g,b".
pixel() {
  window_shot "$1" || return 1
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

await_window --any window Demo
expect_line "BACKEND sdl"

# The real window is exactly the designed client area, where the demo placed it.
expect_size "$window" 320 200 "the window"

# Our surface is on screen: the window background is the button face colour.
[ -n "$can_shoot" ] && expect_pixel "$window" 300 190 "212,208,200" "the demo window"

# Typing into the edit box: characters and Backspace, each change notified once.
click "$window" 60 26
xdotool type --delay 50 "abX"
expect_line "EN_CHANGE abX"
xdotool key BackSpace
expect_line "EN_CHANGE ab"
xdotool type --delay 50 "c"
expect_line "EN_CHANGE abc"
if grep -q "EN_CHANGE aa" "$work/out"; then fail "typed characters arrived twice"; fi

# OK with no combo box item chosen: a modal error box, answered with Return.
click "$window" 53 162
expect_line "BN_CLICKED 104"
await_window --any box pw-demo
[ -n "$can_shoot" ] && expect_pixel "$box" 28 16 "255,0,0" "the error icon"
grep -q "^RESULT" "$work/out" && fail "RESULT before an item was chosen"
xdotool mousemove --window "$box" 5 5
xdotool key Return
expect_line "MESSAGEBOX 1"
expect_windows 1

# The combo box: drop the list with its button, click the second item; then Down moves on.
click "$window" 208 62
expect_line "CBN_DROPDOWN"
expect_windows 2
click "$window" 60 95
expect_line "CBN_SELCHANGE 1"
expect_windows 1
xdotool key Down
expect_line "CBN_SELCHANGE 2"

# The radio button, then the owner-drawn OK button.
click "$window" 24 98
expect_line "BN_CLICKED 103"
click "$window" 53 162
expect_line "RESULT edit=abc combo=2"

expect_exit "after RESULT"
echo "PASS"
cat "$work/out"
