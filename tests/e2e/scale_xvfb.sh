#!/usr/bin/env bash
# Runs profile-weight on a private Xvfb server whose resource database asks for twice the pixels
# per inch (Xft.dpi: 192, as a 200 % desktop sets it): the calculator comes up 774 x 910 and is
# used at that size (the IPB icon, the length box, "Calc."), the clicks landing on the controls
# under them and the result appearing. PW_SCALE overrides the desktop: 1 gives the designed size,
# 1.5 a smoothly scaled one. Exit 77 (skipped) when a tool is missing.
set -u

program=${1:?usage: scale_xvfb.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/program-session.sh"
require xrdb import convert compare

start_xvfb 2560x1600x24
echo 'Xft.dpi: 192' | xrdb -nocpp -merge - || fail "xrdb could not set Xft.dpi"

# start [ENVIRONMENT...]: starts the program and waits for its window.
start() {
  start_program "$@"
  await_window window "Profile Weight" "$*"
}
stop() {
  xdotool windowfocus --sync "$window" key alt+F4 2> /dev/null
  expect_exit "when its window closed"
}
# The result label's area (designed 90 x 18 at 270, 236; doubled unless given), as a hash.
result_area() {
  region_hash "$window" "${1:-180x36+540+472}"
}

start
expect_size "$window" 774 910 "at Xft.dpi 192 the window"
before=$(result_area)
click "$window" 672 216  # the IPB icon (336, 108)
click "$window" 304 420  # the length box (152, 210)
xdotool key End BackSpace
xdotool type --delay 30 "6000"
click "$window" 616 372  # Calc. (308, 186)
after=$(result_area)
[ -n "$before" ] && [ "$before" != "$after" ] || fail "the result did not change on screen"
# The pixels are replicated: each designed pixel is a 2 x 2 block.
convert "$work/shot.png" -crop 120x120+600+160 +repage "$work/part.png"
convert "$work/part.png" -sample 50% -sample 200% "$work/again.png"
[ "$(compare -metric AE "$work/part.png" "$work/again.png" null: 2>&1)" = 0 ] ||
  fail "the picture at scale 2 is not made of 2 x 2 blocks"
stop

start PW_SCALE=1
expect_size "$window" 387 455 "with PW_SCALE=1 the window"
stop

start PW_SCALE=1.5
expect_size "$window" 581 683 "with PW_SCALE=1.5 the window"
before=$(result_area 135x27+405+354)
click "$window" 504 279  # Calc. (308, 186) at 1.5
after=$(result_area 135x27+405+354)
[ -n "$before" ] && [ "$before" != "$after" ] || fail "the result did not change at scale 1.5"
stop
echo "PASS"
