#pragma once
// A full-screen run on a Wayland desktop, where the compositor offers layer surfaces: the X11
// program would run there through XWayland, under the panels and without the keyboard once a
// launcher took it.

#include <memory>

#include "platforms/wayland/wayland_display.h"

namespace quellar::linux_program {

// Whether the process was started in a Wayland session.
bool InWaylandSession();

// Runs the engine on `display` until the process ends; returns its exit status.
int RunOnWayland(int argc, const char* const* argv,
                 std::unique_ptr<wayland::WaylandDisplay> display);

}  // namespace quellar::linux_program
