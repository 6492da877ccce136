#!/usr/bin/env bash
# Runs profile-weight on a private Xvfb server whose resource database asks for twice the pixels
# per inch (Xft.dpi: 192, as a 200 % desktop sets it): the calculator comes up 774 x 910 and is
# used at that size (the IPB icon, the length box, "Calc."), the clicks landing on the controls
# under them and the result appearing. PW_SCALE overrides the desktop: 1 gives the designed size,
# 1.5 a smoothly scaled one. Exit 77 (skipped) when a tool is missing.
set -u

program=${1:?usage: scale_xvfb.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
require xrdb import convert compare

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

start_xvfb 2560x1600x24
echo 'Xft.dpi: 192' | xrdb -nocpp -merge - || fail "xrdb could not set Xft.dpi"

# start [ENVIRONMENT...]: starts the program, sets window, WIDTH and HEIGHT.
start() {
  env "$@" "$program" > "$work/out" 2> "$work/err" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profile Weight$' | head -n 1)
  [ -n "$window" ] || fail "the Profile Weight window did not appear ($*)"
  eval "$(xdotool getwindowgeometry --shell "$window")"
}
stop() {
  xdotool windowfocus --sync "$window" key alt+F4 2> /dev/null
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2> /dev/null && fail "the program did not end when its window closed"
  wait "$pid"
  local code=$?
  pid=
  [ "$code" = 0 ] || fail "the program ended with exit code $code"
}
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}
# The result label's area (designed 90 x 18 at 270, 236; doubled unless given), as a hash.
result_area() {
  import -window "$window" "$work/shot.png" 2> /dev/null &&
    convert "$work/shot.png" -crop "${1:-180x36+540+472}" -depth 8 rgb:- | md5sum
}

start
[ "$WIDTH" = 774 ] && [ "$HEIGHT" = 910 ] || fail "at Xft.dpi 192 the window is ${WIDTH}x${HEIGHT}"
before=$(result_area)
click 672 216  # the IPB icon (336, 108)
click 304 420  # the length box (152, 210)
xdotool key End BackSpace
xdotool type --delay 30 "6000"
click 616 372  # Calc. (308, 186)
after=$(result_area)
[ -n "$before" ] && [ "$before" != "$after" ] || fail "the result did not change on screen"
# The pixels are replicated: each designed pixel is a 2 x 2 block.
convert "$work/shot.png" -crop 120x120+600+160 +repage "$work/part.png"
convert "$work/part.png" -sample 50% -sample 200% "$work/again.png"
[ "$(compare -metric AE "$work/part.png" "$work/again.png" null: 2>&1)" = 0 ] ||
  fail "the picture at scale 2 is not made of 2 x 2 blocks"
stop

start PW_SCALE=1
[ "$WIDTH" = 387 ] && [ "$HEIGHT" = 455 ] || fail "with PW_SCALE=1 the window is ${WIDTH}x${HEIGHT}"
stop

start PW_SCALE=1.5
[ "$WIDTH" = 581 ] && [ "$HEIGHT" = 683 ] || fail "with PW_SCALE=1.5 the window is ${WIDTH}x${HEIGHT}"
before=$(result_area 135x27+405+354)
click 504 279  # Calc. (308, 186) at 1.5
after=$(result_area 135x27+405+354)
[ -n "$before" ] && [ "$before" != "$after" ] || fail "the result did not change at scale 1.5"
stop
echo "PASS"
