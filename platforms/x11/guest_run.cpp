#include "platforms/x11/guest_run.h"

#include <algorithm>
#include <random>

#include "engine/engine.h"
#include "platforms/forms/frm_main.h"
#include "platforms/monitors/monitor_run.h"
#include "platforms/x11/x11_platform.h"

namespace quellar::x11 {

void ApplyOverrides(const GuestOverrides& overrides, engine::Engine& engine, Platform& platform) {
  engine::EngineState& state = engine.state;
  if (overrides.speed) {
    state.tickInterval = *overrides.speed;
    platform.SetTimerInterval(TimerId::Timer1, state.tickInterval);
  }
  if (overrides.chain) {
    state.chainLength = std::min(*overrides.chain, static_cast<std::int16_t>(state.rowCount + 2));
  }
  if (overrides.randomDeleting) {
    state.randomDeleting = *overrides.randomDeleting ? engine::kTrue : engine::kFalse;
  }
}

namespace {

// One engine, for as long as the host's window keeps its size and no SIGUSR1 asks for a fresh
// start.
void RunEngine(X11Platform& platform, const GuestOverrides& overrides) {
  monitors::MonitorRun run(platform, platform, std::random_device{}());
  FrmMain form(run, platform);
  run.Main();
  ApplyOverrides(overrides, run.Primary(), platform);
  platform.Run(form);
}

}  // namespace

void RunGuest(const GuestRequest& request) {
  X11Platform platform(request.window);
  const FinishStoreAtEnd finishStore(platform);
  for (;;) {
    RunEngine(platform, request.overrides);
    platform.StartAfresh();
  }
}

}  // namespace quellar::x11
