#pragma once
// Monitors written as text, e.g. "1920x1080+0+0*,1280x1024+1920+56": a size, the position of
// the top-left corner (each coordinate with its sign, so "-1280+0" lies left of the origin)
// and a star for the primary. The renderer takes its monitors so, and the desktop platforms
// take them from QUELLAR_MONITORS in place of the system's answer, which is how their tests
// lay out monitors the test display cannot have.

#include <optional>
#include <string_view>
#include <vector>

#include "platforms/monitors/monitor_layout.h"

namespace quellar::monitors {

// Empty when any entry is malformed or has no area.
std::optional<std::vector<MonitorInfo>> ParseMonitorList(std::string_view text);

// The list in QUELLAR_MONITORS, or in the file it names after an "@", read at each call so that
// a test can change the monitors during a run; empty when unset or malformed.
std::optional<std::vector<MonitorInfo>> MonitorsFromEnvironment();

}  // namespace quellar::monitors
