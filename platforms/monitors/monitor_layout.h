#pragma once
// Where the monitors are. A full-screen run covers them all with one window over their bounding
// box: the engine that takes input and shows the overlays runs on the primary monitor, and one
// more rain runs on each of the others.

#include <cstdint>
#include <vector>

#include "engine/platform.h"

namespace quellar::monitors {

struct MonitorInfo {
  Rect rect;  // in the desktop's coordinates; the origin may lie on any monitor
  bool primary = false;
};

// A platform's answer to "which monitors are there"; the first listed comes first.
class MonitorSource {
 public:
  virtual ~MonitorSource() = default;
  virtual std::vector<MonitorInfo> Monitors() = 0;
};

struct MonitorLayout {
  Rect bounds;               // the window covers this
  Rect primary;              // the overlays' monitor
  std::vector<Rect> others;  // every other monitor, in the order listed
};

// Drops monitors without area and monitors that lie inside one already kept (a mirrored
// output), and picks the primary: the one marked so, else the one at the origin, else the
// first. None at all leaves an empty layout.
MonitorLayout ArrangeMonitors(const std::vector<MonitorInfo>& monitors);

inline std::int32_t Width(const Rect& rect) {
  return rect.right - rect.left;
}
inline std::int32_t Height(const Rect& rect) {
  return rect.bottom - rect.top;
}

}  // namespace quellar::monitors
