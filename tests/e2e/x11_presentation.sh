#!/usr/bin/env bash
# What the engine copies to the window reaches the screen unchanged: colours, places, parts.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 320x240

coproc CHECK { "$X11_PRESENTATION_CHECK" 2>&1; }
check=$CHECK_PID
read -r -t 10 answer <&"${CHECK[0]}" || answer="no answer"
[ "$answer" = ok ] || fail "$answer"
screen=$(shot presentation)
echo done >&"${CHECK[1]}"
wait_exit "$check" 5
[ "$EXIT_STATUS" = 0 ] || fail "presentation check status $EXIT_STATUS"
# The bottom-right pixel of the pattern: red 63 * 4, green 47 * 5, blue 200.
[ "$(pixel 63 47 "$screen")" = "srgb(252,235,200)" ] || fail "unexpected colours: $screen"
note "presentation: ok"
