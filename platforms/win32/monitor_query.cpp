#include "platforms/win32/monitor_query.h"

#include <windows.h>

#include "platforms/monitors/monitor_list.h"

namespace quellar::win32 {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC /*dc*/, LPRECT /*clip*/, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info) == FALSE) return TRUE;
  const RECT& r = info.rcMonitor;
  reinterpret_cast<std::vector<monitors::MonitorInfo>*>(list)->push_back(
      {Rect{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

}  // namespace

std::vector<monitors::MonitorInfo> QueryMonitors() {
  if (auto injected = monitors::MonitorsFromEnvironment()) return *injected;
  std::vector<monitors::MonitorInfo> found;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace quellar::win32
