# Shared by the Wayland end-to-end scripts, over x11_lib.sh's work directory and settings store:
# a headless sway of the script's own, its outputs, their screenshots, keys and a mouse.
# WAYLAND_POINTER names the mouse of tests/wayland. sway refuses to run as root: it runs as
# nobody in a runtime directory of its own, and the script's processes reach its socket by its
# path. Screenshots are of one output at its device pixels, the primary's unless named.

source "$(dirname "${BASH_SOURCE[0]}")/x11_lib.sh"
: "${WAYLAND_POINTER:?WAYLAND_POINTER must name the wayland_pointer executable}"
unset DISPLAY
# Run through a link of the script's own, so that looking for its processes finds only its own.
ln -s "$QUELLAR" "$WORK/quellar"
QUELLAR=$WORK/quellar
PRIMARY=HEADLESS-1
SWAY_HOME=$WORK/sway
# Every child ends and is waited for: nothing else reaps a process left behind here.
end_everything() {
  kill $(jobs -p) 2>/dev/null || true
  wait
  rm -rf "$WORK"
}
trap end_everything EXIT

# start_sway: a compositor with one output, HEADLESS-1, that add_output sizes.
start_sway() {
  chmod 711 "$WORK"
  mkdir -m 700 "$SWAY_HOME"
  # The program's dialogs go to the corner without a frame: their client area is at (0, 0).
  printf '%s\n' 'default_border none' 'default_floating_border none' 'xwayland disable' \
    'for_window [app_id="quellar"] move position 0 0' >"$SWAY_HOME/config"
  chown nobody:nogroup "$SWAY_HOME"
  XDG_RUNTIME_DIR=$SWAY_HOME WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    setpriv --reuid=nobody --regid=nogroup --clear-groups sway -c "$SWAY_HOME/config" \
    >"$WORK/sway.log" 2>&1 &
  wait_for 10 compgen -G "$SWAY_HOME/sway-ipc.*" || fail "no sway: $(tail -n 3 "$WORK/sway.log")"
  SWAYSOCK=$(echo "$SWAY_HOME"/sway-ipc.*)
  WAYLAND_DISPLAY=$(echo "$SWAY_HOME"/wayland-?)
  export SWAYSOCK WAYLAND_DISPLAY
}

# add_output NAME WIDTHxHEIGHT X Y [SCALE]: sizes and places an output, made first unless it is
# HEADLESS-1.
add_output() {
  [ "$1" = HEADLESS-1 ] || swaymsg -q create_output
  swaymsg -q output "$1" mode "$2" position "$3" "$4" scale "${5:-1}" || fail "no output $1"
}

shot() { grim -o "${2:-$PRIMARY}" "$SHOTS/$1.png" && echo "$SHOTS/$1.png"; }
# bare OUTPUT: the output shows only sway's own grey; covered OUTPUT: none of it.
colours_of() { local file && file=$(shot "$1" "$1") && colour_counts "$file" | cut -d' ' -f2-; }
bare() { [ "$(colours_of "$1")" = "63 63 63" ]; }
covered() { local colours && colours=$(colours_of "$1") && ! grep -qx "63 63 63" <<<"$colours"; }

# keys WTYPE_ARGUMENTS...: each wtype adds a keyboard of its own; the client needs a moment to
# take it before the first key.
keys() { wtype -s 300 "$@" || fail "wtype $*"; }
pointer() { "$WAYLAND_POINTER" "$@" || fail "wayland_pointer $*"; }

# start_wayland_saver OUTPUT...: a full-screen run, SAVER, that covers those outputs.
start_wayland_saver() {
  "$QUELLAR" /s 2>"$WORK/stderr" &
  SAVER=$!
  local output
  for output; do wait_for 10 covered "$output" || fail "$output is not covered"; done
}
# end_wayland_saver STATUS WHAT OUTPUT...: the run ends with STATUS and leaves the outputs bare.
end_wayland_saver() {
  expect_exit "$SAVER" "$1" "$2"
  local output
  for output in "${@:3}"; do wait_for 2 bare "$output" || fail "$2: $output is still covered"; done
}
