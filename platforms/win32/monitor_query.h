#pragma once
// The desktop's monitors as the system lists them, the primary marked; QUELLAR_MONITORS, when
// set, answers instead.

#include <vector>

#include "platforms/monitors/monitor_layout.h"

namespace quellar::win32 {

std::vector<monitors::MonitorInfo> QueryMonitors();

}  // namespace quellar::win32
