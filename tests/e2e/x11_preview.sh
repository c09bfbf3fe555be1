#!/usr/bin/env bash
# A preview draws the rain in its host's window, takes nothing from the desktop and ends when
# the host destroys that window, or on a signal. A full-screen run killed outright leaves its
# flag on the root window and no shared memory; that flag does not keep a later "/s" from
# running while the preview runs, and that live run refuses one more "/s". SIGTERM ends a run
# in order; a run whose display goes away still stores its settings.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 640x480

start_preview
screen=$(shot preview)
[ -z "$(stray_colours "$screen" 152x112+100+100)" ] || fail "the preview does not cover its host: $screen"
! flag_is_set || fail "a preview set the screen-saver flag"
[ "$(pointer_state)" = visible ] || fail "a preview hid the pointer"
xdotool windowclose "$HOST"
expect_exit "$PREVIEW" 0 "a preview whose host window went"

# segments_of PID: the shared memory segments that the process created and that still exist.
segments_of() { ipcs -m -p | awk -v pid="$1" '$3 == pid { print $1 }'; }
holds_segments() { [ -n "$(segments_of "$1")" ]; }
segments_gone() { [ -z "$(segments_of "$1")" ]; }
start_preview
start_saver
killed=$SAVER
wait_for 5 holds_segments "$killed" || fail "the run holds no shared memory"
kill -KILL "$killed"
wait_for 5 process_ended "$killed" || fail "SIGKILL did not end the run"
wait_for 5 segments_gone "$killed" || fail "a killed run left shared memory"
flag_is_set || fail "the killed run's flag is gone: nothing left to recover from"
wait_for 5 screen_bare || fail "the killed run's window stays"

start_saver
QUELLAR_REGISTRY="$WORK/second.sqlite3" "$QUELLAR" /s &
expect_exit $! 0 "a second /s beside a live run"
[ ! -e "$WORK/second.sqlite3" ] || fail "a second /s opened the settings store"
[ "$(screen_windows)" = "$SAVER_WINDOW" ] || fail "a second /s changed the full-screen windows"
kill -INT "$PREVIEW"
expect_exit "$PREVIEW" 0 "SIGINT to a preview"
[ -z "$(stored speed)" ] || fail "a preview stored settings"
flag_is_set || fail "the end of a preview cleared the run's flag"
xdotool key KP_Add
wait_for 2 screen_shows shows_osd "SPEED:  97 " || fail "keypad + is not announced"
kill -TERM "$SAVER"
end_saver 0 "SIGTERM"
[ "$(stored speed)" = 1F ] || fail "SIGTERM: speed 31 was not stored: $(stored speed)"

start_saver
xdotool key KP_Add
wait_for 2 screen_shows shows_osd "SPEED:  98 " || fail "keypad + is not announced"
stop_xvfb
expect_exit "$SAVER" 1 "a lost display"
[ "$(stored speed)" = 15 ] || fail "a lost display lost the settings: $(stored speed)"
note "preview and recovery: ok"
