#!/usr/bin/env bash
# A preview inside a host's 152 x 112 window: our window becomes its child at its size and
# draws in it; when the host destroys its window, the preview ends by itself.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/screen_lib.sh"
start_x11_test 640x480

coproc HOST { "$X11_PREVIEW_HOST" "$QUELLAR" 2>&1; }
host=$HOST_PID
read -r -t 10 answer <&"${HOST[0]}" || answer="no answer"
[ "$answer" = ready ] || fail "preview host: $answer"

# The host's window is white; the preview covers it with the rain.
screen=$(shot preview)
[ -z "$(stray_colours "$screen" 152x112+100+100)" ] ||
  fail "the preview does not fill its host's window: $screen"
! black_at 252 212 "$screen" || fail "the preview reaches beyond its host's window: $screen"
! flag_is_set || fail "a preview set the screen-saver flag"

echo destroy >&"${HOST[1]}"
read -r -t 10 answer <&"${HOST[0]}" || answer="no answer"
[ "$answer" = ended ] || fail "preview host: $answer"
wait_exit "$host" 5
[ "$EXIT_STATUS" = 0 ] || fail "preview host status $EXIT_STATUS"
[ ! -e "$QUELLAR_REGISTRY" ] || [ -z "$(sqlite3 "$QUELLAR_REGISTRY" \
  "SELECT name FROM registry_values WHERE name IN ('speed', 'chain', 'randm')")" ] ||
  fail "a preview stored settings"
note "preview: ok"
