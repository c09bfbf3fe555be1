#!/usr/bin/env bash
# The presentation test on a server with MIT-SHM and on one without, where the shared-memory
# presenter falls back to plain requests.
source "$(dirname "$0")/lib.sh"
: "${X11_PRESENTATION_TEST:?X11_PRESENTATION_TEST must name the presentation test}"
for options in "" "-extension MIT-SHM"; do
  start_xvfb 320x240 $options
  "$X11_PRESENTATION_TEST" --gtest_brief=1 || fail "presentation on Xvfb $options"
  stop_xvfb
done
note "presentation: ok"
