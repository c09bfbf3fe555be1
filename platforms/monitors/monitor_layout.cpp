#include "platforms/monitors/monitor_layout.h"

#include <algorithm>

namespace quellar::monitors {
namespace {

bool Contains(const Rect& outer, const Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool HasArea(const Rect& rect) {
  return rect.right > rect.left && rect.bottom > rect.top;
}

// A monitor inside another one (a mirrored output) shows what the larger one shows.
std::vector<MonitorInfo> Distinct(const std::vector<MonitorInfo>& monitors) {
  std::vector<MonitorInfo> kept;
  for (MonitorInfo monitor : monitors) {
    if (!HasArea(monitor.rect)) continue;
    const auto inside = [&](const MonitorInfo& earlier) {
      return Contains(earlier.rect, monitor.rect);
    };
    if (const auto earlier = std::find_if(kept.begin(), kept.end(), inside);
        earlier != kept.end()) {
      earlier->primary = earlier->primary || monitor.primary;
      continue;
    }
    for (auto covered = kept.begin(); covered != kept.end();) {
      if (!Contains(monitor.rect, covered->rect)) {
        ++covered;
        continue;
      }
      monitor.primary = monitor.primary || covered->primary;
      covered = kept.erase(covered);
    }
    kept.push_back(monitor);
  }
  return kept;
}

std::size_t PrimaryIndex(const std::vector<MonitorInfo>& monitors) {
  const auto marked = std::find_if(monitors.begin(), monitors.end(),
                                   [](const MonitorInfo& monitor) { return monitor.primary; });
  if (marked != monitors.end()) return static_cast<std::size_t>(marked - monitors.begin());
  const auto atOrigin = std::find_if(monitors.begin(), monitors.end(), [](const MonitorInfo& m) {
    return m.rect.left == 0 && m.rect.top == 0;
  });
  if (atOrigin != monitors.end()) return static_cast<std::size_t>(atOrigin - monitors.begin());
  return 0;
}

}  // namespace

MonitorLayout ArrangeMonitors(const std::vector<MonitorInfo>& monitors) {
  const std::vector<MonitorInfo> kept = Distinct(monitors);
  MonitorLayout layout;
  if (kept.empty()) return layout;
  const std::size_t primary = PrimaryIndex(kept);
  layout.primary = kept[primary].rect;
  layout.bounds = layout.primary;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const Rect& rect = kept[i].rect;
    layout.bounds = Rect{
        std::min(layout.bounds.left, rect.left), std::min(layout.bounds.top, rect.top),
        std::max(layout.bounds.right, rect.right), std::max(layout.bounds.bottom, rect.bottom)};
    if (i != primary) layout.others.push_back(rect);
  }
  return layout;
}

}  // namespace quellar::monitors
