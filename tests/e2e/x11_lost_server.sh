#!/usr/bin/env bash
# x11_lost_server.sh [TRIALS]: a guest whose X server is killed while the host resizes its
# window every 2 ms, so that the guest is often making a new shared image (and waiting for the
# server to attach it) when the connection goes. However it ends, no shared-memory segment of
# the guest may be left: one made by it and attached by no one stays until reboot. TRIALS
# servers (10 unless given) are killed; the count of segments left is printed, and those are
# removed again.
source "$(dirname "$0")/x11_lib.sh"
trials=${1:-10}

# The segments made by process $1 that no process has attached.
segments_left_by() { awk -v pid="$1" '$5 == pid && $7 == 0 { print $2 }' /proc/sysvipc/shm; }
# Whether the server has attached a segment of process $1 (Linux lets it attach one already
# marked for removal).
shared_with_server() { awk -v pid="$1" '$5 == pid && $7 == 2' /proc/sysvipc/shm | grep -q .; }
resizes() {
  for size in $(seq 200); do echo "windowsize $1 $((1800 + size % 2 * 40)) 1000 sleep 0.002"; done
}

left=0
for _ in $(seq "$trials"); do
  start_x11_test 1920x1080
  host=$("$X11_PROBE" host 24 1800 1000)
  "$QUELLAR" --window-id "$host" 2>"$WORK/stderr" &
  guest=$!
  wait_for 5 shared_with_server "$guest" ||
    fail "the server holds no shared image of the guest: $(cat "$WORK/stderr")"
  xdotool $(resizes "$host") >/dev/null 2>&1 &
  sleep "0.0$((RANDOM % 90 + 10))"
  kill -KILL "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null || true
  wait "$guest" || true
  wait || true
  segments=$(segments_left_by "$guest")
  for segment in $segments; do ipcrm -m "$segment"; done
  left=$((left + $(wc -w <<<"$segments")))
done
note "$trials servers killed while the guest resized: $left shared-memory segments left"
[ "$left" = 0 ] || fail "$left shared-memory segments left by guests that lost their server"
