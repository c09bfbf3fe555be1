# Shared by the web page's end-to-end scripts, with lib.sh and screen_lib.sh: the page
# (QUELLAR_PAGE, else build/web/page) served on a free port of the loopback, and one headless
# chromium run by tests/web/driver.mjs, whose `shot` is the page's canvas. Everything started
# goes at exit. Screenshots go to E2E_SHOTS when it is set (to look at them), else to WORK.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
collect_orphans "$0" "$@"
source "$(dirname "${BASH_SOURCE[0]}")/screen_lib.sh"
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
PAGE_DIR=${QUELLAR_PAGE:-$ROOT/build/web/page}
[ -e "$PAGE_DIR/index.html" ] || fail "no page in $PAGE_DIR: build the web preset"
[ -d "$ROOT/tests/web/node_modules" ] || fail "no driver: run scripts/install-deps"
WORK=$(mktemp -d)
SHOTS=${E2E_SHOTS:-$WORK}
mkdir -p "$SHOTS"
SERVER="" DRIVER=""
# stop_web: the driver closes its browser at the end of its input (or when killed, if it hangs);
# what chromium leaves behind is collected. A failed script shows what the page said.
stop_web() {
  local status=$?
  [ -z "${TO_DRIVER:-}" ] || exec {TO_DRIVER}>&-
  if [ -n "$DRIVER" ]; then
    wait_for 10 process_ended "$DRIVER" || kill "$DRIVER"
    wait "$DRIVER" || true
  fi
  [ -z "$SERVER" ] || { kill "$SERVER" 2>/dev/null; wait "$SERVER" || true; }
  wait_for 10 no_children || note "left running: $(pgrep -P $$ -a)"
  [ "$status" = 0 ] || cat "$WORK/driver.log" >&2
  rm -rf "$WORK"
}
trap stop_web EXIT

# The server binds a port of its choosing and names it in its first line.
python3 -u -m http.server --bind 127.0.0.1 -d "$PAGE_DIR" 0 >"$WORK/server.log" 2>&1 &
SERVER=$!
wait_for 10 grep -q ' port ' "$WORK/server.log" || fail "no server: $(cat "$WORK/server.log")"
PAGE_URL=http://127.0.0.1:$(sed -nE 's/.* port ([0-9]+) .*/\1/p' "$WORK/server.log")/
mkfifo "$WORK/commands" "$WORK/answers"
node "$ROOT/tests/web/driver.mjs" <"$WORK/commands" >"$WORK/answers" 2>"$WORK/driver.log" &
DRIVER=$!
# Opened as numbered descriptors, which subshells ($(shot ...)) share with this shell.
exec {TO_DRIVER}>"$WORK/commands" {FROM_DRIVER}<"$WORK/answers"

# web COMMAND WORD...: the driver's command (see driver.mjs); prints its result, fails on error.
web() {
  local answer
  echo "$*" >&"$TO_DRIVER"
  read -r answer <&"$FROM_DRIVER" || fail "the driver ended: $(cat "$WORK/driver.log")"
  [[ $answer == ok* ]] || fail "$answer"
  [ "$answer" = ok ] || echo "${answer#ok }"
}
# page EXPRESSION: its value in the page, as JSON.
page() { web eval "$@"; }
shot() { web shot "$SHOTS/$1.png" && echo "$SHOTS/$1.png"; }
# page_is CONDITION: the JavaScript condition holds in the page.
page_is() { [ "$(page "$1")" = true ]; }
# open_page [QUERY [WIDTHxHEIGHT]]: the page, at 1024x768 unless told, its first run started.
open_page() {
  web open "$PAGE_URL${1:-}" "${2:-1024x768}"
  wait_for 5 page_is 'quellar.runs >= 1' || fail "the page started no run"
}
