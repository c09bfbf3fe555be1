# Sourced by the scripts that print figures beside a reference: the same targets built from
# another commit (main's merge-base unless REF is set) in a temporary git worktree, preset
# linux, so both builds are made the same way. REFERENCE_TREE names a checkout to use instead
# (kept, and its build reused, from one script to the next).
#
#   build_reference DIR TARGET...   builds the reference's TARGETs in DIR (a path that does not
#                                   exist yet); prints nothing
#   remove_reference DIR            removes the worktree again
#   describe_builds DIR             two lines naming the reference and this tree

build_reference() {
  local dir=$1
  shift
  if [ -n "${REFERENCE_TREE:-}" ]; then
    ln -s "$(realpath "$REFERENCE_TREE")" "$dir"
  else
    git worktree add --detach "$dir" "${REF:-$(git merge-base HEAD main)}" >/dev/null 2>&1
  fi
  (cd "$(realpath "$dir")" && cmake --preset linux >/dev/null && cmake --build --preset linux -j2 --target "$@" >/dev/null)
}

remove_reference() {
  if [ -L "$1" ]; then rm "$1"; else git worktree remove --force "$1" 2>/dev/null || true; fi
}

describe_builds() {
  echo "reference: $(git -C "$1" log -1 --format='%h %s' | cut -c1-70)"
  echo "this tree: $(git log -1 --format='%h %s' | cut -c1-70)$(git diff --quiet HEAD || echo ' (+ changes)')"
}
