#!/usr/bin/env bash
# Under real hosts: the locker xsecurelock runs the program it is given (`quellar -root`, in its
# own window, named by $XSCREENSAVER_WINDOW) and ends it once our stub authenticator lets the
# user in; the idle trigger xautolock starts `quellar /s` after its shortest idle time, a minute.
# Each run shows the rain, ends with status 0 and leaves nothing behind.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1920x1080

# What the hosts start: the program, keeping its parent's pid and its exit status. A host ends
# the whole process group; the wrapper outlives the program to record how it ended.
cat >"$WORK/saver" <<EOF
#!/bin/sh
trap : TERM
echo \$\$ >"$WORK/wrapper"
"$QUELLAR" "\$@" 2>>"$WORK/stderr"
echo \$? >"$WORK/status"
EOF
printf '#!/bin/sh\nexit 0\n' >"$WORK/auth_stub"
chmod +x "$WORK/saver" "$WORK/auth_stub"
program() { pgrep -P "$(cat "$WORK/wrapper")"; }
# ended_cleanly WHAT PID: the program PID ended with status 0, leaving no shared memory.
ended_cleanly() {
  wait_for 5 test -s "$WORK/status" || fail "$1: still running"
  [ "$(cat "$WORK/status")" = 0 ] || fail "$1: exit status $(cat "$WORK/status"): $(cat "$WORK/stderr")"
  [ -z "$(ipcs -m -p | awk -v pid="$2" '$3 == pid')" ] || fail "$1: shared memory is left"
  rm "$WORK/status" "$WORK/wrapper"
}

XSECURELOCK_AUTH=$WORK/auth_stub XSECURELOCK_SAVER=$WORK/saver xsecurelock &
LOCKER=$!
wait_for 10 program || fail "xsecurelock started no quellar"
guest=$(program)
wait_for 5 rain_in root 1920x1080+0+0 || fail "no rain in xsecurelock's window"
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
