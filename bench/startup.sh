#!/usr/bin/env bash
# Start-up figures of the program: time from process start to the first painted frame of the
# calculator window, and peak memory after both windows have been shown, on the headless backend
# (through the session runner) and under Xvfb (the real program). Prints figures; never fails.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -u
build=${1:-build}
runs=${2:-5}
drive=$build/bin/profile-weight-drive
program=$build/bin/profile-weight

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
now_ms() { date +%s%3N; }

if [ -x "$drive" ]; then
  starts=() ; peaks=()
  for _ in $(seq "$runs"); do
    start=$(now_ms)
    # The runner answers "windows" once everything pending, the first paint included, is done.
    first=$( { printf 'windows\n'; sleep 0.5; printf 'click Form1 344 36\nwait 1000\nclose Form3\n'; } |
      /usr/bin/time -f 'PEAK %M' "$drive" 2> "$build/startup-time.txt" |
      while read -r line; do echo "$(now_ms)"; break; done)
    starts+=($((first - start)))
    peaks+=($(sed -n 's/^PEAK //p' "$build/startup-time.txt"))
  done
  echo "headless: start to first painted frame, median of $runs: $(printf '%s\n' "${starts[@]}" | median) ms"
  echo "headless: peak memory after both windows were shown, median: $(printf '%s\n' "${peaks[@]}" | median) KiB"
fi

if [ -x "$program" ] && command -v Xvfb > /dev/null && command -v xdotool > /dev/null; then
  work=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY PW_BACKEND
  starts=() ; peaks=()
  for _ in $(seq "$runs"); do
    start=$(now_ms)
    /usr/bin/time -f 'PEAK %M' "$program" 2> "$work/time" > /dev/null &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profile Weight$' | head -n 1)
    starts+=($(($(now_ms) - start)))
    xdotool mousemove --window "$window" 344 36 click 1
    showcase=$(timeout 20 xdotool search --sync --onlyvisible --name '^Resume$' | head -n 1)
    xdotool key --window "$showcase" alt+F4 2> /dev/null
    sleep 0.3
    xdotool key --window "$window" alt+F4 2> /dev/null
    wait "$pid" 2> /dev/null
    peaks+=($(sed -n 's/^PEAK //p' "$work/time"))
  done
  kill "$xvfb" 2> /dev/null
  rm -rf "$work"
  echo "Xvfb: start to the window on screen, median of $runs: $(printf '%s\n' "${starts[@]}" | median) ms"
  echo "Xvfb: peak memory after both windows were shown, median: $(printf '%s\n' "${peaks[@]}" | median) KiB"
fi
