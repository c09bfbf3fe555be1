# Shared by the end-to-end scripts: an Xvfb display of their own, waiting, and failing clearly.
# Source it; it sets DISPLAY to a fresh server that goes away when the script exits.

set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*" >&2; }
# retried WHY: a scenario tries a step again; the test command's summary names it.
retried() {
  note "tried again: $*"
  if [ -n "${QUELLAR_RETRY_LOG:-}" ]; then echo "$(basename "$0" .sh): $*" >>"$QUELLAR_RETRY_LOG"; fi
}

# wait_for SECONDS COMMAND...: retries COMMAND every 0.1 s until it succeeds or time runs out.
wait_for() {
  local limit=$1; shift
  local tries=$((limit * 10))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# start_xvfb [WIDTHxHEIGHT [XVFB_OPTION...]]: starts Xvfb on a display number the server picks
# itself (-displayfd), so scripts started together never race for one.
start_xvfb() {
  local size=${1:-1024x768}
  shift $(($# > 0 ? 1 : 0))
  local numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'stop_xvfb' EXIT
  wait_for 10 test -s "$numberFile" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$numberFile")"
  rm -f "$numberFile"
  wait_for 10 xdpyinfo || fail "Xvfb did not answer on $DISPLAY"
}

# collect_orphans SCRIPT ARGS...: runs the script again as a child subreaper (which exec keeps),
# so that the processes its children leave behind are adopted and collected by its shell: PID 1
# here collects nobody's orphans. The script's children are all gone when no_children.
collect_orphans() {
  [ -z "${QUELLAR_SUBREAPER:-}" ] || return 0
  export QUELLAR_SUBREAPER=1
  exec python3 -c 'import ctypes, os, sys
ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
os.execvp(sys.argv[1], sys.argv[1:])' bash "$(realpath "$1")" "${@:2}"
}
no_children() { ! pgrep -P $$ >/dev/null; }

process_ended() { ! ps -o stat= -p "$1" | grep -qv '^Z'; }

# expect_exit PID STATUS WHAT: the child ends within 10 s with that status, its errors in
# $WORK/stderr. Not in a subshell: only this shell can collect its child's status.
expect_exit() {
  wait_for 10 process_ended "$1" || fail "$3: still running"
  local status=0
  wait "$1" || status=$?
  [ "$status" = "$2" ] || fail "$3: exit status $status, expected $2: $(cat "$WORK/stderr")"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  return 0
}

# differing A B: how many pixels of two pictures of one size differ.
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
