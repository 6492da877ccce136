# Shared by the Xvfb tests (sourced): skips (exit 77) without Xvfb or xdotool, keeps system
# libraries' leaks out of the sanitizer report, and starts a private Xvfb server in "$work" with
# start_xvfb, which sets xvfb_pid and DISPLAY. The sourcing script defines fail() and work.
for tool in Xvfb xdotool; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
# Under the sanitizers, leaks inside the system libraries SDL2 loads are not ours to report.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

start_xvfb() {
  # Xvfb picks a free display itself and writes its number.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY PW_BACKEND
}
