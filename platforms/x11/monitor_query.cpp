#include "platforms/x11/monitor_query.h"

#include <X11/extensions/Xrandr.h>

#include <memory>
#include <string>

#include "platforms/monitors/monitor_list.h"

namespace quellar::x11 {
namespace {

using monitors::MonitorInfo;

struct XFreer {
  void operator()(void* data) const { XFree(data); }
};
struct MonitorsFreer {
  void operator()(XRRMonitorInfo* monitors) const { XRRFreeMonitors(monitors); }
};

bool HasRandrMonitors(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  return XRRQueryExtension(display, &eventBase, &errorBase) != 0 &&
         XRRQueryVersion(display, &major, &minor) != 0 && (major > 1 || minor >= 5);
}

std::vector<MonitorInfo> RandrMonitors(Display* display) {
  int count = 0;
  const std::unique_ptr<XRRMonitorInfo, MonitorsFreer> found(
      XRRGetMonitors(display, XDefaultRootWindow(display), True, &count));
  std::vector<MonitorInfo> monitors;
  for (int i = 0; found != nullptr && i < count; ++i) {
    const XRRMonitorInfo& m = found.get()[i];
    monitors.push_back({Rect{m.x, m.y, m.x + m.width, m.y + m.height}, m.primary != 0});
  }
  return monitors;
}

std::vector<MonitorInfo> XineramaMonitors(Display* display) {
  if (XineramaIsActive(display) == 0) return {};
  int count = 0;
  const std::unique_ptr<XineramaScreenInfo, XFreer> found(XineramaQueryScreens(display, &count));
  if (found == nullptr) return {};
  return MonitorsOfScreens({found.get(), static_cast<std::size_t>(count)});
}

std::string Size(const Rect& rect) {
  return std::to_string(monitors::Width(rect)) + "x" + std::to_string(monitors::Height(rect));
}

// Only QUELLAR_MONITORS can name such a layout: the server's own monitors have 16-bit
// coordinates. An X window's corner lies within -32768..32767 and its sides are at most 65535
// pixels; the rain of one monitor is at most 32767 pixels a side.
void CheckCoverable(const std::vector<MonitorInfo>& monitors) {
  constexpr std::int32_t kLowest = -32768, kHighest = 32767, kLongestSide = 65535;
  for (const MonitorInfo& monitor : monitors) {
    if (monitors::Width(monitor.rect) > kHighest || monitors::Height(monitor.rect) > kHighest) {
      throw MonitorLayoutError(
          "a monitor of " + Size(monitor.rect) +
          " pixels is larger than the rain can be drawn (32767 pixels a side)");
    }
  }
  const Rect bounds = monitors::ArrangeMonitors(monitors).bounds;
  if (bounds.left < kLowest || bounds.top < kLowest || bounds.left > kHighest ||
      bounds.top > kHighest || monitors::Width(bounds) > kLongestSide ||
      monitors::Height(bounds) > kLongestSide) {
    throw MonitorLayoutError("the monitors span " + Size(bounds) + " pixels from (" +
                             std::to_string(bounds.left) + ", " + std::to_string(bounds.top) +
                             "), more than an X window can cover (65535 pixels a side, its "
                             "corner within -32768..32767)");
  }
}

}  // namespace

std::vector<MonitorInfo> MonitorsOfScreens(std::span<const XineramaScreenInfo> screens) {
  std::vector<MonitorInfo> monitors;
  for (const XineramaScreenInfo& s : screens) {
    monitors.push_back({Rect{s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height}, false});
  }
  return monitors;
}

std::vector<MonitorInfo> QueryMonitors(Display* display) {
  if (auto injected = monitors::MonitorsFromEnvironment()) {
    CheckCoverable(*injected);
    return *injected;
  }
  std::vector<MonitorInfo> monitors;
  if (HasRandrMonitors(display)) monitors = RandrMonitors(display);
  if (monitors.empty()) monitors = XineramaMonitors(display);
  if (monitors.empty()) {
    const int screen = XDefaultScreen(display);
    monitors.push_back(
        {Rect{0, 0, XDisplayWidth(display, screen), XDisplayHeight(display, screen)}, true});
  }
  return monitors;
}

}  // namespace quellar::x11
