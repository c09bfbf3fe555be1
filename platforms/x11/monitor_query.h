#pragma once
// The monitors of an X screen: RandR's monitors where the server has RandR 1.5, else
// Xinerama's screens, else the whole screen. QUELLAR_MONITORS, when set, answers instead.

#include <X11/Xlib.h>
#include <X11/extensions/Xinerama.h>

#include <span>
#include <stdexcept>
#include <vector>

#include "platforms/monitors/monitor_layout.h"

namespace quellar::x11 {

// A layout an X window cannot cover, or too large for the rain; the message says what.
class MonitorLayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raises a MonitorLayoutError.
std::vector<monitors::MonitorInfo> QueryMonitors(Display* display);

// Xinerama's screens as monitors; Xinerama marks none primary.
std::vector<monitors::MonitorInfo> MonitorsOfScreens(std::span<const XineramaScreenInfo> screens);

}  // namespace quellar::x11
