# Shared by scripts/startup and scripts/pacing: a reference build (main's merge-base unless REF
# is given) in a temporary git worktree beside this tree's build, both release programs, the
# frame probe (bench/frame_probe.cpp) of this tree, and small statistics. Source it after
# setting `ref`; it sets REFERENCE_QUELLAR, THIS_QUELLAR, PROBE and WORK.
scripts/install-deps
WORK=$(mktemp -d)
reference=$WORK/reference
cleanup() {
  stop_xvfb
  git worktree remove --force "$reference" 2>/dev/null || true
  rm -rf "$WORK"
}
source tests/e2e/lib.sh
trap cleanup EXIT
export XDG_RUNTIME_DIR=$WORK

# build DIR TARGET...: release targets of the source tree at DIR.
build() {
  (cd "$1" && cmake --preset linux >/dev/null && cmake --build --preset linux -j2 --target "${@:2}" >/dev/null)
}
git worktree add --detach "$reference" "$ref" >/dev/null 2>&1
build "$reference" quellar
build . quellar frame_probe
REFERENCE_QUELLAR=$reference/build/linux/windows/x11/quellar
THIS_QUELLAR=build/linux/windows/x11/quellar
PROBE=build/linux/bench/frame_probe
echo "reference: $(git -C "$reference" log -1 --format='%h %s' | cut -c1-70)"
echo "this tree: $(git log -1 --format='%h %s' | cut -c1-70)$(git diff --quiet HEAD || echo ' (+ changes)')"

# min_median: the smallest and the middle of the numbers on standard input, as "min/median".
min_median() { sort -g | awk '{ v[NR] = $1 } END { printf "%.2f/%.2f", v[1], v[int((NR + 1) / 2)] }'; }

# store_speed STORE MILLISECONDS: the stored timer interval, in a store a run has made.
store_speed() {
  sqlite3 "$1" "UPDATE registry_values SET data = X'$(printf %02X "$2")' WHERE name = 'speed'"
}
