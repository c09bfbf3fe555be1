#!/usr/bin/env bash
# web_seeded.sh: a seeded run in virtual time at 1280x720 draws, byte for byte, the picture
# quellar-render (the linux preset's, QUELLAR_RENDER) draws of the same run on the memory
# platform: the page runs the same engine on the same soft GDI.
source "$(dirname "$0")/web_lib.sh"
RENDER=${QUELLAR_RENDER:-$ROOT/build/linux/tools/render/quellar-render}
[ -x "$RENDER" ] || fail "no $RENDER: build the linux preset first (scripts/test builds it first)"
"$RENDER" --screen 1280x720 --seed 1 --ticks 50 --png "$WORK/render.png" >/dev/null
open_page '?seed=1&ticks=50' 1280x720
wait_for 5 page_is 'quellar.ticks === 50' || fail "the page did not run 50 ticks: $(page quellar)"
page_is 'quellar.error === null' || fail "run-time error: $(page quellar.error)"
differ=$(differing "$WORK/render.png" "$(shot seeded)")
[ "$differ" = 0 ] || fail "the page's picture is not quellar-render's: $differ pixels differ"
note "the seeded page: ok"
