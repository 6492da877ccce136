#!/usr/bin/env bash
# The desktop clipboard in profile-weight on a private Xvfb server: a length put on the clipboard
# with xclip is pasted into the length box (click, Ctrl+A, Ctrl+V) and calculated; the length is
# copied back out (Ctrl+C) and read with xclip; Ctrl+Z takes the paste back; the context menu
# (right button) pastes too. Needs no window manager. Exit 77 (skipped) when Xvfb, xdotool or
# xclip is missing.
set -u

program=${1:?usage: clipboard_xvfb.sh PATH_TO_PROFILE_WEIGHT}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/program-session.sh"
require xclip
clip_pid=
end_on_exit clip_pid

start_xvfb
start_program
await_window window "Profile Weight"
# Without a window manager nobody gives the window the keyboard: give it ourselves.
xdotool windowfocus --sync "$window" 2> /dev/null

keys() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}
# Puts text on the clipboard; xclip stays to serve it until the program or xclip takes over.
set_clipboard() {
  [ -n "$clip_pid" ] && kill "$clip_pid" 2> /dev/null
  printf '%s' "$1" | xclip -selection clipboard -quiet > /dev/null 2>&1 &
  clip_pid=$!
  sleep 0.3
}
get_clipboard() {
  timeout 5 xclip -o -selection clipboard 2> /dev/null
}
# Regions of the window as pixels, for comparing.
result_area() { region_hash "$window" 90x18+270+236; }
length_area() { region_hash "$window" 60x17+122+202; }

command -v import > /dev/null || fail "imagemagick's import is missing"

click "$window" 336 108 # the IPB icon
before=$(result_area)
length_before=$(length_area)

# Paste a length from the clipboard and calculate.
set_clipboard 6000
click "$window" 152 210 # the length box
keys ctrl+a ctrl+v
length_pasted=$(length_area)
[ "$length_pasted" != "$length_before" ] || fail "the paste did not change the length box"
click "$window" 308 186 # Calc.
after=$(result_area)
[ "$before" != "$after" ] || fail "the result did not change on screen after the paste"

# Typing the same length over the pasted one leaves the same result on screen.
click "$window" 152 210
keys ctrl+a
xdotool type --delay 30 "6000"
click "$window" 308 186
[ "$(result_area)" = "$after" ] || fail "the typed length gave another result than the pasted one"

# Copy the length back out.
set_clipboard "something else"
click "$window" 152 210
keys End shift+Home ctrl+c
copied=$(get_clipboard)
[ "$copied" = 6000 ] || fail "the clipboard holds '$copied' after Ctrl+C, not 6000"

# Undo: Ctrl+Z takes typing back, with the selection it replaced, and again redoes it.
keys ctrl+a
selected=$(length_area)
xdotool type --delay 30 "25"
sleep 0.3
typed=$(length_area)
[ "$typed" != "$selected" ] || fail "typing did not change the length box"
keys ctrl+z
[ "$(length_area)" = "$selected" ] || fail "Ctrl+Z did not bring the selected 6000 back"
keys ctrl+z
[ "$(length_area)" = "$typed" ] || fail "a second Ctrl+Z did not redo the typing"

# The context menu: right button on the length box, Down to its first enabled item (Undo), on
# over Cut and Copy (everything is selected) to Paste, Return.
set_clipboard 3000
keys ctrl+a
click "$window" 152 210 3
keys Down Down Down Down Return
click "$window" 308 186
[ "$(result_area)" != "$after" ] || fail "pasting 3000 through the context menu changed nothing"
set_clipboard "something else"
click "$window" 152 210
keys ctrl+a ctrl+c
copied=$(get_clipboard)
[ "$copied" = 3000 ] || fail "the length box holds '$copied' after the menu's Paste, not 3000"

xdotool key --window "$window" alt+F4 2> /dev/null
expect_exit "when its window closed"
echo "PASS"
