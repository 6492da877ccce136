#!/usr/bin/env bash
# Runs profile-weight on a private Xvfb server under a window manager with a taskbar (icewm) and
# reads what the window manager sees: both windows carry the program's icon (_NET_WM_ICON with
# the 16, 32 and 48 pixel images); each outer frame lands at its window's designed position; the
# calculator (a dialog frame) can be neither resized, minimised nor maximised; the showcase
# (sizeable, no minimise or maximise box) can be resized but neither minimised nor maximised, and
# is transient for the calculator. Exit 77 (skipped) when a tool is missing.
set -u

program=${1:?usage: desktop_icewm.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
require icewm xprop xwininfo

work=$(mktemp -d)
xvfb_pid=
wm_pid=
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2> /dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2> /dev/null
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
# The window manager with its own settings folder, not the user's.
HOME="$work" icewm > "$work/wm.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "icewm did not start"

"$program" > "$work/out" 2> "$work/err" &
pid=$!

# Waits until the window manager has framed the window (it then reports the frame's extents).
framed() {
  for _ in $(seq 100); do
    xprop -id "$1" _NET_FRAME_EXTENTS 2> /dev/null | grep -q ' = ' && return 0
    sleep 0.1
  done
  fail "the window manager did not frame window $1"
}
# The outer frame's top-left corner: the client area's position less the frame's left and top.
frame_position() {
  local x y extents
  x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.* = //')
  IFS=', ' read -r left _ top _ <<< "$extents"
  echo "$((x - left)),$((y - top))"
}
icon_sizes() {
  xprop -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '
}
actions() {
  xprop -id "$1" _NET_WM_ALLOWED_ACTIONS
}
# Retries a check for a while: the window manager updates what it offers as it reads the hints.
eventually() {
  for _ in $(seq 30); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}
offers() { actions "$1" | grep -q "_NET_WM_ACTION_$2\b"; }
offers_not() { ! offers "$@"; }

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profile Weight$' | head -n 1)
[ -n "$window" ] || fail "the Profile Weight window did not appear"
framed "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 387 ] && [ "$HEIGHT" = 455 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 387x455"
sizes=$(icon_sizes "$window")
[ "$sizes" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] ||
  fail "the calculator's icon images are '$sizes'"
position=$(frame_position "$window")
[ "$position" = 192,114 ] || fail "the calculator's frame is at $position, not 192,114"
eventually offers "$window" CLOSE || fail "the calculator cannot be closed: $(actions "$window")"
for action in RESIZE MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
  eventually offers_not "$window" "$action" ||
    fail "the calculator offers $action: $(actions "$window")"
done

xdotool mousemove --window "$window" 344 36 click 1  # the NORVEX button: the showcase window
showcase=$(timeout 20 xdotool search --sync --onlyvisible --name '^Resume$' | head -n 1)
[ -n "$showcase" ] || fail "the Resume window did not appear"
framed "$showcase"
sizes=$(icon_sizes "$showcase")
[ "$sizes" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] ||
  fail "the showcase's icon images are '$sizes'"
position=$(frame_position "$showcase")
[ "$position" = 360,251 ] || fail "the showcase's frame is at $position, not 360,251"
eventually offers "$showcase" RESIZE || fail "the showcase cannot be resized: $(actions "$showcase")"
for action in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
  eventually offers_not "$showcase" "$action" ||
    fail "the showcase offers $action: $(actions "$showcase")"
done
owner=$(xprop -id "$showcase" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
[ -n "$owner" ] && [ $((owner)) = $((window)) ] ||
  fail "the showcase is transient for '$owner', not the calculator ($window)"

# Real key presses: the window manager closes the active window on Alt+F4.
xdotool windowactivate --sync "$showcase" key alt+F4 2> /dev/null
for _ in $(seq 50); do
  [ -z "$(xdotool search --onlyvisible --name '^Resume$' 2> /dev/null)" ] && break
  sleep 0.1
done
xdotool windowactivate --sync "$window" key alt+F4 2> /dev/null
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
