#!/usr/bin/env bash
# A server without MIT-SHM: the shared-memory presenter falls back to plain requests, and the
# window still shows exactly what was presented.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 320x240 -extension MIT-SHM

coproc CHECK { "$X11_PRESENTATION_CHECK" shared 24 2>&1; }
read -r -t 20 answer <&"${CHECK[0]}" || answer="no answer"
[ "$answer" = "ok plain-requests" ] || fail "shared presenter without MIT-SHM: $answer"
echo done >&"${CHECK[1]}"
wait_exit "$CHECK_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "presentation check status $EXIT_STATUS"
note "presentation without shared memory: ok"
