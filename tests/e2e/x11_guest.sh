#!/usr/bin/env bash
# A guest of a screen-saver host draws the rain in the host's window (--window-id; --root: the
# one in $XSCREENSAVER_WINDOW, else the root window) at the window's size, on 24- and 32-bit
# visuals, only opaque pixels where there is alpha, and afresh at a new size. It selects only
# structure and exposure events there, sets no flag, takes no lock and runs beside a full-screen
# run. A signal or the window's end ends it with status 0, leaving nothing behind
# and nothing stored but its installation; the root window gets its background back. A wrong
# window or option value fails in one line, drawing nothing.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1920x1080

before=$(shot before)
for args in "--window-id 0x1fffffff" "--root --chain 256"; do
  "$QUELLAR" $args 2>"$WORK/stderr" &
  expect_exit $! 1 "quellar $args"
  [ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "quellar $args said: $(cat "$WORK/stderr")"
done
[ ! -e "$QUELLAR_REGISTRY" ] || fail "a guest that cannot run opened the settings store"
[ "$(differing "$before" "$(shot after)")" = 0 ] || fail "a guest that cannot run drew"

# Guests keep their settings apart from the full-screen run's, but see its lock.
GUEST_STORE=$WORK/guest.sqlite3
start_guest() { QUELLAR_REGISTRY=$GUEST_STORE "$QUELLAR" "$@" 2>"$WORK/stderr" & GUEST=$!; }
# ends_cleanly WHAT COMMAND...: after COMMAND the guest ends with status 0, and nothing of it is
# left.
ends_cleanly() {
  local status=0
  ! ls -l "/proc/$GUEST/fd" | grep -q '\.lock$' || fail "$1: the guest holds a lock"
  "${@:2}"
  wait "$GUEST" || status=$?
  [ "$status" = 0 ] || fail "$1: exit status $status: $(cat "$WORK/stderr")"
  [ -z "$(ipcs -m -p | awk -v pid="$GUEST" '$3 == pid')" ] || fail "$1: shared memory is left"
  ! xprop -root | grep -q QUELLAR || fail "$1: a guest left a root property"
  local stored=$(sqlite3 "$GUEST_STORE" "SELECT name FROM registry_values ORDER BY name" | paste -sd,)
  [ "$stored" = Exe_Name,Install_Dir,versionMajor,versionMinor,versionRevision ] || fail "$1: stored $stored"
}

# A 32-bit window, beside a full-screen run, then resized to the whole screen.
host=$("$X11_PROBE" host 32 200 150)
start_saver
start_guest --window-id "$host" -speed 21 -chain 5 -no-random-deleting
wait_for 5 rain_in "$host" 192x140+0+0 || fail "no rain in a 32-bit window beside a full-screen run"
[ "$("$X11_PROBE" translucent "$host")" = 0 ] || fail "translucent pixels in a 32-bit window"
kill -TERM "$SAVER"
end_saver 0 "the full-screen run beside a guest"
xdotool windowsize "$host" 1920 1080
sleep 3
rain_in "$host" 320x1080+1600+0 || fail "no rain across the whole width of a grown window"
[ "$("$X11_PROBE" translucent "$host")" = 0 ] || fail "translucent pixels in a grown window"
# The host made the window and selects nothing on it: what is wanted is the guest's.
masks=$(xwininfo -events -id "$host" | sed -n '/Someone wants/,/Do not/{//!p}' | xargs)
[ "$masks" = "Exposure StructureNotify" ] || fail "a guest selected $masks"
ends_cleanly SIGTERM kill -TERM "$GUEST"
xkill -id "$host" >/dev/null

# A 24-bit window named by $XSCREENSAVER_WINDOW, in hexadecimal, that its host destroys.
host=$("$X11_PROBE" host 24 1920 1080)
XSCREENSAVER_WINDOW=$(printf 0x%x "$host") start_guest -root
wait_for 5 rain_in "$host" 1920x1080+0+0 || fail "no rain in a 24-bit window"
ends_cleanly "the host window's end" xkill -id "$host"

start_guest --root
wait_for 5 rain_in root 1920x1080+0+0 || fail "no rain in the root window"
ends_cleanly SIGHUP kill -HUP "$GUEST"
[ "$(colour_counts "$(shot root)")" = "2073600 255 255 255" ] || fail "the rain stays on the root"
note "guest runs: ok"
