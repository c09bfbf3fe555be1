#!/usr/bin/env bash
# Where the Wayland compositor offers no layer surfaces (weston) and there is an X display, the
# X11 program runs and says why in one line; without an X display, there or with no display at
# all, a run fails in one line.
source "$(dirname "$0")/wayland_lib.sh"
start_x11_test 640x480
trap end_everything EXIT
# A shell and an input method that start no helper clients: they would outlive weston unreaped.
printf '[input-method]\npath=\n' >"$WORK/weston.ini"
weston --backend=headless-backend.so --use-pixman --shell=kiosk-shell.so -c "$WORK/weston.ini" \
  --socket=weston >"$WORK/weston.log" 2>&1 &
export WAYLAND_DISPLAY=weston
wait_for 10 test -S "$WORK/weston" || fail "no weston: $(tail -n 3 "$WORK/weston.log")"

start_saver
xdotool key space space
end_saver 0 "Space twice"
[ "$(wc -l <"$WORK/stderr")" = 1 ] && grep -q "layer shell" "$WORK/stderr" ||
  fail "the X11 run on weston said: $(cat "$WORK/stderr")"

# fails_in_one_line WHAT [ARGUMENTS]: a run (/s unless ARGUMENTS say otherwise) ends at once
# with status 1, saying why in one line, and leaves nothing running.
fails_in_one_line() {
  [ $# -gt 1 ] || set -- "$1" /s
  "$QUELLAR" "${@:2}" 2>"$WORK/stderr" &
  expect_exit $! 1 "$1"
  [ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "$1 said: $(cat "$WORK/stderr")"
  ! pgrep -f -- "$QUELLAR" >/dev/null || fail "$1 left a process running"
}
fails_in_one_line "an idle daemon's start on weston" --wayland
unset DISPLAY
fails_in_one_line "a run on weston without an X display"
unset WAYLAND_DISPLAY
fails_in_one_line "a run without a display"
note "Wayland fallback: ok"
