# Shared by the Xvfb tests (sourced after xvfb-session.sh): starts the program under test and
# drives its windows with xdotool as a person would, reads their pixels and waits for its end.
# program_name names it in failures; click_pause is how long a click gives it to answer.
program_name="the program"
click_pause=0.3

# start_program [ENVIRONMENT...]: starts "$program" (output in $work/out and $work/err), sets pid.
start_program() {
  env "$@" "$program" > "$work/out" 2> "$work/err" &
  pid=$!
}

# await_window [--any] VAR TITLE [NOTE]: waits up to 20 s for a window titled TITLE (a visible one
# unless --any) and puts its id in VAR, or fails.
await_window() {
  local only=(--onlyvisible) found
  if [ "$1" = --any ]; then
    only=()
    shift
  fi
  found=$(timeout 20 xdotool search --sync "${only[@]}" --name "^$2\$" | head -n 1)
  [ -n "$found" ] || fail "the $2 window did not appear${3:+ ($3)}"
  printf -v "$1" %s "$found"
}

# window_gone TITLE: no visible window has this title.
window_gone() {
  [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null)" ]
}

# expect_size WINDOW WIDTH HEIGHT WHAT: the window is that large (sets WIDTH and HEIGHT).
expect_size() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ] ||
    fail "$4 is ${WIDTH}x${HEIGHT}, not ${2}x${3}"
}

# click WINDOW X Y [BUTTON]: clicks at a point of the window's client area (the left button unless
# given), then waits click_pause seconds.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
  sleep "$click_pause"
}

# window_shot WINDOW: the window's pixels in $work/shot.png.
window_shot() {
  import -window "$1" "$work/shot.png" 2>> "$work/import.log"
}
# region_hash WINDOW WxH+X+Y: a checksum of a part of the window's pixels, for comparing.
region_hash() {
  window_shot "$1" && convert "$work/shot.png" -crop "$2" -depth 8 rgb:- | md5sum
}

# expect_exit WHEN: waits up to 10 s for the program to end, and fails unless it ended with 0.
expect_exit() {
  poll 100 stopped || fail "$program_name did not end $1"
  wait "$pid"
  local code=$?
  pid=
  [ "$code" = 0 ] || fail "$program_name ended with exit code $code"
}
stopped() {
  ! kill -0 "$pid" 2> /dev/null
}
