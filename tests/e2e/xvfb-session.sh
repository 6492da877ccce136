# Shared by the Xvfb tests (sourced): skips (exit 77) without Xvfb or xdotool, keeps system
# libraries' leaks out of the sanitizer report, and starts a private Xvfb server in "$work" with
# start_xvfb, which sets xvfb_pid and DISPLAY. The sourcing script defines fail() and work.
# require TOOL... skips the test when one of the tools is missing.
require() {
  for tool in "$@"; do
    if ! command -v "$tool" > /dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}
require Xvfb xdotool
# Under the sanitizers, leaks inside the system libraries SDL2 loads are not ours to report.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# start_xvfb [WIDTHxHEIGHTxDEPTH] (default 1024x768x24)
start_xvfb() {
  # Xvfb picks a free display itself and writes its number. It keeps its state (the resource
  # database, say) when the last client leaves, as a desktop session does.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3> "$work/display" \
    2> "$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY PW_BACKEND
}
