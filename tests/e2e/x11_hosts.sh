#!/usr/bin/env bash
# Under real hosts: the locker xsecurelock runs the program it is given (`quellar -root`, in its
# own window, named by $XSCREENSAVER_WINDOW), resets it with SIGUSR1 when our stub authenticator
# refuses a password, and ends it once the stub lets the user in; the idle trigger xautolock
# starts `quellar /s` after its shortest idle time, a minute. Each run shows the rain, ends with
# status 0 and leaves nothing behind. A reset blanks the window at once and the rain comes back,
# in the same process, with nothing stored.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1920x1080

# What the hosts start: the program, keeping its parent's pid and its exit status. A host
# signals the whole process group; the wrapper outlives the program to record how it ended.
cat >"$WORK/saver" <<EOF
#!/bin/sh
trap : TERM USR1
echo \$\$ >"$WORK/wrapper"
"$QUELLAR" "\$@" 2>>"$WORK/stderr"
echo \$? >"$WORK/status"
EOF
# The first password is refused, the second taken.
cat >"$WORK/auth_stub" <<EOF
#!/bin/sh
[ -e "$WORK/refused" ] && exit 0
touch "$WORK/refused" && exit 1
EOF
# Under xsecurelock, one step a second: after a reset the window stays black for a second, then
# the first head shows in the top row.
printf '#!/bin/sh\nexec "%s" "$@" -speed 1001\n' "$WORK/saver" >"$WORK/slow_saver"
chmod +x "$WORK/saver" "$WORK/auth_stub" "$WORK/slow_saver"
program() { pgrep -P "$(cat "$WORK/wrapper")"; }
# ended_cleanly WHAT PID: the program PID ended with status 0, leaving no shared memory.
ended_cleanly() {
  wait_for 5 test -s "$WORK/status" || fail "$1: still running"
  [ "$(cat "$WORK/status")" = 0 ] || fail "$1: exit status $(cat "$WORK/status"): $(cat "$WORK/stderr")"
  [ -z "$(ipcs -m -p | awk -v pid="$2" '$3 == pid')" ] || fail "$1: shared memory is left"
  rm "$WORK/status" "$WORK/wrapper"
}

top=1920x20+0+0
black() { [ "$(colour_counts "$(shot screen)" | cut -d' ' -f2-)" = "0 0 0" ]; }
settings() { sqlite3 "$QUELLAR_REGISTRY" "SELECT name, hex(data) FROM registry_values"; }
# Its log to a file: a helper of it that outlives a failed test would hold the test's output.
XSECURELOCK_SAVER_RESET_ON_AUTH_CLOSE=1 XSECURELOCK_AUTH=$WORK/auth_stub \
  XSECURELOCK_SAVER=$WORK/slow_saver xsecurelock >"$WORK/locker.log" 2>&1 &
LOCKER=$!
wait_for 10 program || fail "xsecurelock started no quellar"
guest=$(program)
wait_for 5 rain_in root "$top" || fail "no rain in xsecurelock's window"
before=$(settings)
xdotool key space
wait_for 2 black || fail "the rain stays after a reset"
wait_for 5 rain_in root "$top" || fail "no rain after a reset"
[ "$(program)" = "$guest" ] || fail "a reset started another process"
[ "$(settings)" = "$before" ] || fail "a reset stored: $(settings)"
xdotool key space
expect_exit "$LOCKER" 0 "xsecurelock, unlocked"
ended_cleanly "a guest of xsecurelock" "$guest"
[ -z "$(stored speed)" ] || fail "a guest of xsecurelock stored its settings"

xautolock -time 1 -locker "$WORK/saver /s" &
wait_for 75 screen_covered || fail "xautolock started no full-screen run after a minute idle"
wait_for 5 program || fail "the full-screen run is not xautolock's"
run=$(program)
wait_for 5 rain_in root 1920x1080+0+0 || fail "no rain in the full-screen run"
kill -TERM "$run"
ended_cleanly "a full-screen run of xautolock" "$run"
! flag_is_set || fail "the screen-saver flag is still set"
screen_bare || fail "a full-screen window is left"
note "hosts: ok"
