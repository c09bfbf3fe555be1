#include "platforms/linux/wayland_run.h"

#include <cstdlib>
#include <random>
#include <utility>

#include "engine/runtime_error.h"
#include "platforms/desktop/desktop_platform.h"
#include "platforms/desktop/program_info.h"
#include "platforms/forms/frm_main.h"
#include "platforms/monitors/monitor_run.h"
#include "platforms/wayland/wayland_platform.h"

namespace quellar::linux_program {

bool InWaylandSession() {
  const char* display = std::getenv("WAYLAND_DISPLAY");
  return (display != nullptr && *display != '\0') || std::getenv("WAYLAND_SOCKET") != nullptr;
}

// A run that loses its compositor still keeps what the hotkeys changed.
int RunOnWayland(int argc, const char* const* argv,
                 std::unique_ptr<wayland::WaylandDisplay> display) {
  wayland::WaylandPlatform platform(desktop::JoinArguments(argc, argv), std::move(display));
  const desktop::FinishStoreAtEnd finishStore(platform);
  monitors::MonitorRun run(platform, platform, std::random_device{}());
  FrmMain form(run, platform);
  run.Main();
  if (!platform.HasMainWindow()) return 0;
  try {
    platform.Run(form);
  } catch (const RuntimeError&) {
    if (platform.ConnectionLost()) run.Primary().StoreSettings();
    throw;
  }
  return 0;
}

}  // namespace quellar::linux_program
