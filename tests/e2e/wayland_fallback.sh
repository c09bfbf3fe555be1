#!/usr/bin/env bash
# Where the Wayland compositor offers no layer surfaces (weston) and there is an X display, the
# X11 program runs and says why in one line; with no display at all a run fails in one line.
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
[ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "the X11 run on weston said: $(cat "$WORK/stderr")"

unset WAYLAND_DISPLAY DISPLAY
"$QUELLAR" /s 2>"$WORK/stderr" &
expect_exit $! 1 "a run without a display"
[ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "a run without a display said: $(cat "$WORK/stderr")"
note "Wayland fallback: ok"
