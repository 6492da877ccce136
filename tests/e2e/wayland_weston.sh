#!/usr/bin/env bash
# Runs profile-weight on a Wayland-only session: weston with its X11 backend nested in a private
# Xvfb server (weston forwards the X input xdotool makes to its Wayland clients), the program
# started without DISPLAY. The calculator appears (found on weston's plain black desktop in a
# screenshot by the colour of its frame), its drop-down list drops down over it, and a length typed and a click on "Calc."
# change the result. Exit 77 (skipped) when a tool is missing.
set -u

program=${1:?usage: wayland_weston.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/program-session.sh"
require weston import convert

weston_pid=
end_on_exit weston_pid
show_logs() {
  show_log "program errors" err
  echo "--- weston"
  tail -n 20 "$work/weston.log" 2> /dev/null
}

start_xvfb
# weston's output fills the top-left of the X screen: no panel, a black background.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[core]\nshell=desktop-shell.so\n[shell]\nbackground-color=0xff000000\npanel-position=none\n' \
  > "$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --socket=pw-wayland --width=1000 \
  --height=740 > "$work/weston.log" 2>&1 &
weston_pid=$!
poll 100 test -S "$XDG_RUNTIME_DIR/pw-wayland" || fail "weston did not start"
sleep 1  # the shell client paints the background
xdotool mousemove 1020 760  # the pointer off weston's output, out of the pictures

start_program -u DISPLAY WAYLAND_DISPLAY=pw-wayland

# The screen as weston shows it.
shot() {
  import -window root -crop 1000x740+0+0 +repage "$work/$1.png" 2> /dev/null
}
found=
for _ in $(seq 50); do
  kill -0 "$pid" 2> /dev/null || fail "the program ended"
  shot screen
  # The window's edges are button face (212, 208, 200) all round: a connected area of that
  # colour whose bounding box is the window's.
  found=$(convert "$work/screen.png" -fill white -opaque 'srgb(212,208,200)' -fill black \
    +opaque white -define connected-components:verbose=true -connected-components 8 null: \
    2> /dev/null | sed -n 's/^ *[0-9]*: 387x455+\([0-9]*\)+\([0-9]*\) .*srgb(255,255,255)$/387 455 \1 \2/p')
  case $found in 387\ 455\ *) break ;; esac
  sleep 0.2
done
read -r width height left top <<< "$found"
if [ "$width" != 387 ] || [ "$height" != 455 ]; then
  [ -n "${PW_E2E_KEEP:-}" ] && cp "$work/screen.png" "$PW_E2E_KEEP"
  fail "no 387 x 455 window on the Wayland desktop (found: $found)"
fi
left=$((left))
top=$((top))

click() {
  xdotool mousemove $((left + $1)) $((top + $2)) sleep 0.2 click 1
  sleep 0.5
}
area() {  # WxH+X+Y in client coordinates, as a hash
  local size=${1%%+*} rest=${1#*+}
  # weston draws the pointer: first to a corner of its desktop away from the window.
  xdotool mousemove $((left > 10 ? 5 : 995)) 735 sleep 0.3
  shot screen
  convert "$work/screen.png" -crop "$size+$((left + ${rest%%+*}))+$((top + ${rest#*+}))" \
    -depth 8 rgb:- | md5sum
}

# The drop-down list comes up over the calculator below the box (the list: 105 x 122 at 216, 209)
# and goes when a size is chosen.
before=$(area 100x100+218+215)
click 213 161  # the drop-down's arrow
dropped=$(area 100x100+218+215)
[ "$before" != "$dropped" ] || fail "the drop-down list did not appear"
click 250 250  # a size in the list
[ "$(area 100x100+218+215)" = "$before" ] || fail "the drop-down list did not go"

before=$(area 90x18+270+236)
click 152 210  # the length box
xdotool key End BackSpace
xdotool type --delay 30 "6000"
click 308 186  # Calc.
after=$(area 90x18+270+236)
[ "$before" != "$after" ] || fail "the result did not change on screen"

kill "$pid"
wait "$pid" 2> /dev/null
pid=
echo "PASS"
