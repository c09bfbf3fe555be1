#include "platforms/x11/guest_run.h"

#include <random>

#include "engine/engine.h"
#include "platforms/forms/frm_main.h"
#include "platforms/monitors/monitor_run.h"
#include "platforms/x11/x11_platform.h"

namespace quellar::x11 {

namespace {

// One engine, for as long as the host's window keeps its size and no SIGUSR1 asks for a fresh
// start.
void RunEngine(X11Platform& platform, const engine::SettingOverrides& overrides) {
  monitors::MonitorRun run(platform, platform, std::random_device{}());
  FrmMain form(run, platform);
  run.Main();
  run.Primary().TakeOverrides(overrides);
  platform.Run(form);
}

}  // namespace

void RunGuest(const GuestRequest& request) {
  X11Platform platform(request.window);
  const desktop::FinishStoreAtEnd finishStore(platform);
  for (;;) {
    RunEngine(platform, request.overrides);
    platform.StartAfresh();
  }
}

}  // namespace quellar::x11
