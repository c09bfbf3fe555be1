#!/usr/bin/env bash
# What the engine copies to the window reaches the screen unchanged, through plain requests and
# through shared memory, on windows of depth 24 and 32: random frames, in whole and in part,
# two at a time, after an exposure and a resize. A process killed while it holds a shared
# segment leaves none behind.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 320x240

# check KIND DEPTH EXPECTED: runs the presentation check, which must answer EXPECTED; leaves it
# waiting, as CHECK_PID.
check() {
  coproc CHECK { exec "$X11_PRESENTATION_CHECK" "$1" "$2" 2>&1; }
  read -r -t 20 answer <&"${CHECK[0]}" || answer="no answer"
  [ "$answer" = "$3" ] || fail "$1 presenter, depth $2: $answer"
}

# The segments that process $1 created and that still exist.
segments_of() { ipcs -m -p | awk -v pid="$1" '$3 == pid { print $1 }'; }

for depth in 24 32; do
  check plain "$depth" "ok plain-requests"
  screen=$(shot "presentation-$depth")
  echo done >&"${CHECK[1]}"
  wait_exit "$CHECK_PID" 5
  [ "$EXIT_STATUS" = 0 ] || fail "presentation check status $EXIT_STATUS"
  # The bottom-right pixel of the pattern: red 199, green 119 * 2, blue 200.
  [ "$(pixel 199 119 "$screen")" = "srgb(199,238,200)" ] || fail "unexpected colours: $screen"

  check shared "$depth" "ok shared-memory"
  pid=$CHECK_PID
  [ -n "$(segments_of "$pid")" ] || fail "the shared presenter holds no segment"
  kill -KILL "$pid"
  wait_exit "$pid" 5
  wait_for 5 test -z "$(segments_of "$pid")" || fail "segments left by a killed process: $(segments_of "$pid")"
done
note "presentation: ok"
