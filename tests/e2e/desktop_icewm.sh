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
source "$(dirname "$0")/program-session.sh"
require icewm xprop xwininfo

start_xvfb
# The window manager with its own settings folder, not the user's.
HOME="$work" icewm > "$work/wm.log" 2>&1 &
wm_pid=$!
end_on_exit wm_pid
wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'
}
poll 100 wm_running || fail "icewm did not start"

start_program

# Once the window manager has framed a window, it reports the frame's extents.
has_frame() {
  xprop -id "$1" _NET_FRAME_EXTENTS 2> /dev/null | grep -q ' = '
}
framed() {
  poll 100 has_frame "$1" || fail "the window manager did not frame window $1"
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
offers() { actions "$1" | grep -q "_NET_WM_ACTION_$2\b"; }
offers_not() { ! offers "$@"; }
# expect_frame WINDOW WHAT X,Y OFFERED NOT_OFFERED: the window carries the icon's three images,
# its frame is at X,Y, and the window manager offers the actions OFFERED but none of NOT_OFFERED
# (retried for a while: it updates what it offers as it reads the hints).
expect_frame() {
  local sizes position action
  sizes=$(icon_sizes "$1")
  [ "$sizes" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] ||
    fail "$2's icon images are '$sizes'"
  position=$(frame_position "$1")
  [ "$position" = "$3" ] || fail "$2's frame is at $position, not $3"
  for action in $4; do
    poll 30 offers "$1" "$action" || fail "$2 does not offer $action: $(actions "$1")"
  done
  for action in $5; do
    poll 30 offers_not "$1" "$action" || fail "$2 offers $action: $(actions "$1")"
  done
}

await_window window "Profile Weight"
framed "$window"
expect_size "$window" 387 455 "the window"
expect_frame "$window" "the calculator" 192,114 CLOSE "RESIZE MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT"

click "$window" 344 36  # the NORVEX button: the showcase window
await_window showcase Resume
framed "$showcase"
expect_frame "$showcase" "the showcase" 360,251 RESIZE "MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT"
owner=$(xprop -id "$showcase" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
[ -n "$owner" ] && [ $((owner)) = $((window)) ] ||
  fail "the showcase is transient for '$owner', not the calculator ($window)"

# Real key presses: the window manager closes the active window on Alt+F4.
xdotool windowactivate --sync "$showcase" key alt+F4 2> /dev/null
poll 50 window_gone Resume
xdotool windowactivate --sync "$window" key alt+F4 2> /dev/null
expect_exit "when its window closed"
echo "PASS"
