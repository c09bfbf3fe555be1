# Shared by the X11 end-to-end scripts, after lib.sh: the programs under test, a work directory
# with a settings store of its own, and the checks of a full-screen run.
# QUELLAR names the program under test; X11_CURSOR_PROBE, X11_PREVIEW_HOST, X11_PAINT_ROOT,
# X11_PRESENTATION_CHECK and X11_DESTROY_WINDOW the helpers of tests/x11. Screenshots go to E2E_SHOTS when it is set
# (to look at them), else to the work directory.

: "${QUELLAR:?QUELLAR must name the quellar executable}"

WORK=$(mktemp -d)
SHOTS=${E2E_SHOTS:-$WORK}
mkdir -p "$SHOTS"
export QUELLAR_REGISTRY="$WORK/registry.sqlite3"
# The previous-instance lock lives here: scripts running side by side do not see each other.
export XDG_RUNTIME_DIR="$WORK"

x11_cleanup() {
  local pid
  for pid in $(jobs -p); do kill "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
  stop_xvfb
}

# start_x11_test [WIDTHxHEIGHT [XVFB_OPTION...]]: a server of this script's own with a white
# background; everything goes at exit.
start_x11_test() {
  start_xvfb "$@"
  trap x11_cleanup EXIT
  "$X11_PAINT_ROOT" >"$WORK/painted" &
  wait_for 5 test -s "$WORK/painted" || fail "cannot paint the root window"
}

process_ended() {
  local state
  state=$(ps -o stat= -p "$1") || return 0
  [[ $state == Z* ]]
}

# wait_exit PID SECONDS: waits for a child of this shell to end and sets EXIT_STATUS to its exit
# status, or to "running" when it has not ended in time.
wait_exit() {
  EXIT_STATUS=running
  wait_for "$2" process_ended "$1" || return 0
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

flag_is_set() { xprop -root _QUELLAR_SCREENSAVER_RUNNING | grep -q '= 1$'; }

# The ids of the windows that cover the whole screen.
screen_windows() {
  local size
  size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  xwininfo -root -children | awk -v geometry="${size}+0+0" 'index($0, geometry) {print $1}'
}

# black_at X Y FILE: the pixel is black (ImageMagick names it as grey in a one-colour picture).
black_at() {
  case "$(pixel "$1" "$2" "$3")" in
    "srgb(0,0,0)" | "gray(0)") return 0 ;;
    *) return 1 ;;
  esac
}

# start_saver: starts a full-screen run and waits until it has set the screen-saver flag;
# SAVER is its process, SAVER_WINDOW its window, $WORK/stderr its error output.
start_saver() {
  "$QUELLAR" /s 2>"$WORK/stderr" &
  SAVER=$!
  wait_for 10 flag_is_set || fail "the screen-saver flag was not set on the root window"
  SAVER_WINDOW=$(screen_windows)
  [ "$(wc -w <<<"$SAVER_WINDOW")" = 1 ] || fail "not one full-screen window: $SAVER_WINDOW"
}

# expect_desktop_back: no full-screen window, no flag, the pointer visible.
expect_desktop_back() {
  ! flag_is_set || fail "the screen-saver flag is still set after the run"
  [ -z "$(screen_windows)" ] || fail "a full-screen window is left after the run"
  [ "$(pointer_state)" = visible ] || fail "the pointer is still hidden after the run"
}

# end_with_escape: Escape ends the run of start_saver with status 0, nothing on stderr, and the
# desktop given back. The first press may only start the closing sequence; a second one always
# ends the run.
end_with_escape() {
  xdotool key Escape
  wait_exit "$SAVER" 3
  if [ "$EXIT_STATUS" = running ]; then
    xdotool key Escape
    wait_exit "$SAVER" 5
  fi
  [ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the run with status 0 ($EXIT_STATUS)"
  [ ! -s "$WORK/stderr" ] || fail "the run wrote to stderr: $(cat "$WORK/stderr")"
  expect_desktop_back
}

pointer_state() { "$X11_CURSOR_PROBE"; }

# shot NAME: a screenshot of the whole screen; prints its path.
shot() {
  local file="$SHOTS/$1.png"
  import -window root "$file"
  echo "$file"
}
