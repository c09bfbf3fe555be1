# Shared by the end-to-end scripts: an Xvfb display of their own, waiting, and failing clearly.
# Source it; it sets DISPLAY to a fresh server that goes away when the script exits.

set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*" >&2; }

# wait_for SECONDS COMMAND...: retries COMMAND every 0.1 s until it succeeds or time runs out.
wait_for() {
  local limit=$1; shift
  local tries=$((limit * 10))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# start_xvfb [WIDTHxHEIGHT [XVFB_OPTION...]]: starts Xvfb on the first free display number.
start_xvfb() {
  local size=${1:-1024x768}
  shift $(($# > 0 ? 1 : 0))
  local n=$((90 + RANDOM % 400))
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  trap 'stop_xvfb' EXIT
  wait_for 10 xdpyinfo || fail "Xvfb did not start on $DISPLAY"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  return 0
}

# pixel X Y FILE: the colour of one pixel of a screenshot, as srgb(r,g,b).
pixel() { convert "$3" -format "%[pixel:p{$1,$2}]" info:; }

# colours FILE: the number of distinct colours of a screenshot.
colours() { convert "$1" -format '%k' info:; }
