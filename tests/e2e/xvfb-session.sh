# Shared by the Xvfb tests (sourced first): skips (exit 77) without Xvfb or xdotool, keeps system
# libraries' leaks out of the sanitizer report, makes the work folder "$work" and ends on exit what
# the test started there: the program (pid), the helpers named with end_on_exit, the Xvfb server
# (xvfb_pid). fail() reports and exits 1; a script shows more logs by defining show_logs again.

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

work=$(mktemp -d)
xvfb_pid=
pid=
helpers=()
# end_on_exit VAR...: on exit the processes whose ids these variables then hold are ended too.
end_on_exit() {
  helpers+=("$@")
}
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2> /dev/null
  local name
  for name in "${helpers[@]}"; do
    [ -n "${!name:-}" ] && kill "${!name}" 2> /dev/null
  done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# show_log TITLE FILE: a file of the work folder under a heading.
show_log() {
  echo "--- $1"
  cat "$work/$2" 2> /dev/null
}
show_logs() {
  show_log "program errors" err
}
fail() {
  echo "FAIL: $*"
  show_logs
  exit 1
}

# poll TRIES COMMAND...: runs the command until it succeeds, at most TRIES times 0.1 s apart,
# then once more; returns how that went.
poll() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# start_xvfb [WIDTHxHEIGHTxDEPTH] (default 1024x768x24) sets xvfb_pid and DISPLAY.
start_xvfb() {
  # Xvfb picks a free display itself and writes its number. It keeps its state (the resource
  # database, say) when the last client leaves, as a desktop session does.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3> "$work/display" \
    2> "$work/xvfb.log" &
  xvfb_pid=$!
  poll 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY PW_BACKEND
}
