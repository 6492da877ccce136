#!/usr/bin/env bash
# Runs profile-weight on a private Xvfb server and uses it as a person would with xdotool: chooses
# IPB by its icon, types a length, presses "Calc.", opens the showcase window, steps through
# slides, closes it, then closes the program. Checks the window titles, that the result appeared
# on screen, and the exit code. Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u

program=${1:?usage: program_xvfb.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/program-session.sh"

start_xvfb
start_program
await_window window "Profile Weight"
expect_size "$window" 387 455 "the window"

# The result label's area, as text pixels, for comparing.
result_area() {
  command -v import > /dev/null || return 0
  region_hash "$window" 90x18+270+236
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
await_window showcase Resume
click "$showcase" 462 123  # next
click "$showcase" 462 182  # previous
click "$showcase" 462 123  # next
xdotool key --window "$showcase" alt+F4 2> /dev/null
poll 50 window_gone Resume || fail "the Resume window did not close"

xdotool key --window "$window" alt+F4 2> /dev/null
expect_exit "when its window closed"
echo "PASS"
