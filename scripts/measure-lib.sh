# Shared by scripts/startup and scripts/pacing: a reference build (scripts/reference.sh) beside
# this tree's build, both release programs, the frame probe (bench/frame_probe.cpp) of this
# tree, and small statistics. Source it; it sets REFERENCE_QUELLAR, THIS_QUELLAR, PROBE and WORK.
scripts/install-deps
source tests/e2e/lib.sh
source scripts/reference.sh
WORK=$(mktemp -d)
# cleanup: what the script started and made goes, whatever ended it: first the steps a script
# adds to CLEANUP_STEPS (function names), then the X server, the reference and WORK. start_xvfb
# sets an EXIT trap of its own, so servers are started through xvfb, which puts this one back.
CLEANUP_STEPS=()
cleanup() {
  local step
  for step in "${CLEANUP_STEPS[@]}"; do "$step"; done
  stop_xvfb
  remove_reference "$WORK/reference"
  rm -rf "$WORK"
}
xvfb() { start_xvfb "$@"; trap cleanup EXIT; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$WORK

build_reference "$WORK/reference" quellar
cmake --preset linux >/dev/null
cmake --build --preset linux -j2 --target quellar frame_probe >/dev/null
# The program's folder was windows/x11, then platforms/x11, now platforms/linux.
for REFERENCE_QUELLAR in "$WORK"/reference/build/linux/{platforms/linux,platforms/x11,windows/x11}/quellar; do
  [ -e "$REFERENCE_QUELLAR" ] && break
done
THIS_QUELLAR=build/linux/platforms/linux/quellar
PROBE=build/linux/bench/frame_probe
describe_builds "$WORK/reference"

# min_median: the smallest and the middle of the numbers on standard input, as "min/median".
min_median() { sort -g | awk '{ v[NR] = $1 } END { printf "%.2f/%.2f", v[1], v[int((NR + 1) / 2)] }'; }

# store_speed STORE MILLISECONDS: the stored timer interval, in a store a run has made.
store_speed() {
  sqlite3 "$1" "UPDATE registry_values SET data = X'$(printf %02X "$2")' WHERE name = 'speed'"
}
