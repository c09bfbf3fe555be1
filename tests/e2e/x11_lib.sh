# Shared by the X11 end-to-end scripts, with lib.sh and screen_lib.sh: a server with a white
# root window, a work directory with a settings store of its own, and the runs and checks of the
# program. QUELLAR names the program under test, X11_PROBE the helper of tests/x11. Screenshots
# go to E2E_SHOTS when it is set (to look at them), else to the work directory.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/screen_lib.sh"

: "${QUELLAR:?QUELLAR must name the quellar executable}"
WORK=$(mktemp -d)
SHOTS=${E2E_SHOTS:-$WORK}
mkdir -p "$SHOTS"
export QUELLAR_REGISTRY="$WORK/registry.sqlite3"
# The previous-instance lock lives here: scripts running side by side do not see each other.
export XDG_RUNTIME_DIR="$WORK"

# start_x11_test [WIDTHxHEIGHT [XVFB_OPTION...]]: a server of this script's own, white where no
# window covers it (the rain's black shows against it); everything goes at exit.
start_x11_test() {
  start_xvfb "${1:-640x480}" -wr -noreset "${@:2}"
  trap 'kill $(jobs -p) 2>/dev/null || true; stop_xvfb; rm -rf "$WORK"' EXIT
}

flag_is_set() { xprop -root _QUELLAR_SCREENSAVER_RUNNING | grep -q '= 1$'; }
pointer_state() { "$X11_PROBE" pointer; }
stored() { sqlite3 "$QUELLAR_REGISTRY" "SELECT hex(data) FROM registry_values WHERE name = '$1'"; }

# The ids of the windows that cover the whole screen; whether there are some, or none.
screen_windows() {
  local size
  size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  xwininfo -root -children | awk -v geometry="${size}+0+0" 'index($0, geometry) {print $1}'
}
screen_covered() { [ -n "$(screen_windows)" ]; }
screen_bare() { [ -z "$(screen_windows)" ]; }

# start_saver [ARGS...]: a full-screen run (SAVER, its window SAVER_WINDOW, its errors in
# $WORK/stderr), of `quellar /s` unless ARGS say otherwise, whose window is up; the flag it sets
# is up before the window.
start_saver() {
  "$QUELLAR" "${@:-/s}" 2>"$WORK/stderr" &
  SAVER=$!
  wait_for 10 screen_covered || fail "no full-screen window"
  SAVER_WINDOW=$(screen_windows)
  flag_is_set || fail "the screen-saver flag is not set on the root window"
}

# end_saver STATUS WHAT: the run ends with STATUS and gives the desktop back: no full-screen
# window, no flag, the pointer visible.
end_saver() {
  expect_exit "$SAVER" "$1" "$2"
  ! flag_is_set || fail "$2: the screen-saver flag is still set"
  screen_bare || fail "$2: a full-screen window is left"
  [ "$(pointer_state)" = visible ] || fail "$2: the pointer is still hidden"
}

# start_preview: a host's 152x112 window at (100, 100), HOST, and a preview, PREVIEW, whose
# window has become its child at its size.
start_preview() {
  xev -geometry 152x112+100+100 -name preview-host >/dev/null &
  wait_for 5 xdotool search --name '^preview-host$' || fail "no preview host"
  HOST=$(xdotool search --name '^preview-host$' | tail -n 1)
  "$QUELLAR" /p "$HOST" 2>"$WORK/stderr" &
  PREVIEW=$!
  wait_for 10 preview_fits || fail "no preview of its host's size in it"
}
preview_fits() { xwininfo -children -id "$HOST" | grep -Eq '"Preview": .* 152x112\+0\+0 '; }

# rain_in WINDOW GEOMETRY: the window (an id, or root) shows the glyph sheet's cells in GEOMETRY,
# some of them lit.
rain_in() { import -window "$1" "$SHOTS/window.png" && rain_on "$SHOTS/window.png" 1 "$2"; }
