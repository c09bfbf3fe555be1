#include "windows/x11/monitor_query.h"

#include <X11/extensions/Xrandr.h>

#include <memory>

#include "windows/monitors/monitor_list.h"

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

}  // namespace

std::vector<MonitorInfo> MonitorsOfScreens(std::span<const XineramaScreenInfo> screens) {
  std::vector<MonitorInfo> monitors;
  for (const XineramaScreenInfo& s : screens) {
    monitors.push_back({Rect{s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height}, false});
  }
  return monitors;
}

std::vector<MonitorInfo> QueryMonitors(Display* display) {
  if (auto injected = monitors::MonitorsFromEnvironment()) return *injected;
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
