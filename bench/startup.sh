#!/usr/bin/env bash
# Start-up figures, printed (never fails on a figure):
#  - under Xvfb, the program beside a Tk peer (bench/peer/calculator.tcl: the same calculator
#    window with the same pictures and fonts), started in turn: wall time from process start to
#    the first painted frame of the calculator window, and peak memory; medians and ratios;
#  - under Xvfb, the program's peak memory once both windows have been shown;
#  - on the headless backend (through the session runner), start to the first painted frame.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (an optimised build: cmake -DCMAKE_BUILD_TYPE=Release)
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-9}
drive=$build/bin/profile-weight-drive
program=$build/bin/profile-weight

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
now_ms() { date +%s%3N; }
work=$(mktemp -d)
trap 'kill "$xvfb" 2> /dev/null; rm -rf "$work"' EXIT
xvfb=

if [ -x "$program" ] && command -v Xvfb > /dev/null && command -v xdotool > /dev/null; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY PW_BACKEND

  # The peer's pictures: the calculator's thirteen bitmaps as PNG files (Tk reads no BMP), the
  # transparent ones with their bottom-left colour cleared as the program clears it.
  have_peer=
  if command -v wish > /dev/null && command -v convert > /dev/null; then
    mkdir -p "$work/pictures"
    for bmp in "$build"/forms/pictures/form1/*.bmp; do
      name=$(basename "$bmp" .bmp)
      case $name in
        P10 | P11 | G1 | G2)
          bottom=$(($(identify -format '%h' "$bmp") - 1))
          corner=$(convert "$bmp" -format "%[pixel:p{0,$bottom}]" info:)
          convert "$bmp" -transparent "$corner" "$work/pictures/$name.png" ;;
        *) convert "$bmp" "$work/pictures/$name.png" ;;
      esac
    done
    have_peer=1
  fi

  ours=() ; our_peaks=() ; peers=() ; peer_peaks=()
  for _ in $(seq "$runs"); do
    # The program reports the first frame it shows; it is closed once that has come.
    start=$(now_ms)
    PW_REPORT_FIRST_FRAME=1 /usr/bin/time -f 'PEAK %M' "$program" > /dev/null 2> "$work/ours" &
    timer=$!
    for _ in $(seq 1000); do grep -q '^first painted frame' "$work/ours" && break; sleep 0.005; done
    frame=$(sed -n 's/^first painted frame at \([0-9]*\) ms$/\1/p' "$work/ours")
    sleep 0.3
    pkill -TERM -P "$timer" 2> /dev/null
    wait "$timer" 2> /dev/null
    [ -n "$frame" ] && ours+=($((frame - start)))
    our_peaks+=($(sed -n 's/^PEAK //p' "$work/ours"))

    if [ -n "$have_peer" ]; then
      start=$(now_ms)
      frame=$(/usr/bin/time -f 'PEAK %M' -o "$work/peer" wish bench/peer/calculator.tcl \
        "$work/pictures" 2> /dev/null | head -n 1)
      [ -n "$frame" ] && peers+=($((frame - start)))
      peer_peaks+=($(sed -n 's/^PEAK //p' "$work/peer"))
    fi
  done
  our_start=$(printf '%s\n' "${ours[@]}" | median)
  our_peak=$(printf '%s\n' "${our_peaks[@]}" | median)
  echo "Xvfb, calculator window: start to first painted frame, median of $runs: ${our_start} ms (runs: ${ours[*]})"
  echo "Xvfb, calculator window: peak memory, median: ${our_peak} KiB"
  if [ -n "$have_peer" ] && [ ${#peers[@]} -gt 0 ]; then
    peer_start=$(printf '%s\n' "${peers[@]}" | median)
    peer_peak=$(printf '%s\n' "${peer_peaks[@]}" | median)
    echo "Tk peer, same window: start to first painted frame, median of $runs: ${peer_start} ms (runs: ${peers[*]})"
    echo "Tk peer, same window: peak memory, median: ${peer_peak} KiB"
    awk -v a="$our_start" -v b="$peer_start" -v c="$our_peak" -v d="$peer_peak" 'BEGIN {
      printf "ratio program / Tk: start-up %.2f, peak memory %.2f\n", a / b, c / d }'
  fi

  # Both windows: the showcase opened from the calculator, then both closed.
  peaks=()
  for _ in $(seq 3); do
    /usr/bin/time -f 'PEAK %M' "$program" 2> "$work/both" > /dev/null &
    timer=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profile Weight$' | head -n 1)
    xdotool mousemove --window "$window" 344 36 click 1
    showcase=$(timeout 20 xdotool search --sync --onlyvisible --name '^Resume$' | head -n 1)
    sleep 0.3
    xdotool key --window "$showcase" alt+F4 2> /dev/null
    sleep 0.3
    xdotool key --window "$window" alt+F4 2> /dev/null
    wait "$timer" 2> /dev/null
    peaks+=($(sed -n 's/^PEAK //p' "$work/both"))
  done
  echo "Xvfb, both windows shown: peak memory, median of 3: $(printf '%s\n' "${peaks[@]}" | median) KiB"
  kill "$xvfb" 2> /dev/null
fi

if [ -x "$drive" ]; then
  starts=()
  for _ in $(seq "$runs"); do
    start=$(now_ms)
    # The runner answers "windows" once everything pending, the first paint included, is done.
    first=$( { printf 'windows\n'; sleep 0.3; } | "$drive" 2> /dev/null |
      while read -r line; do now_ms; break; done)
    starts+=($((first - start)))
  done
  echo "headless: start to first painted frame, median of $runs: $(printf '%s\n' "${starts[@]}" | median) ms"
fi
