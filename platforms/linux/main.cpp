// The quellar executable: the engine on X11. Every way the process ends comes back here as an
// exception, after the platform has given the desktop back what the run took.

#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/runtime_error.h"
#include "platforms/desktop/desktop_platform.h"
#include "platforms/desktop/no_display_error.h"
#include "platforms/desktop/program_info.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/process_end.h"
#include "platforms/linux/idle_guest.h"
#include "platforms/linux/wayland_run.h"
#include "platforms/x11/command_line.h"
#include "platforms/x11/guest_run.h"
#include "platforms/x11/x11_platform.h"
#include "platforms/x11/x_errors.h"

namespace {

// A run that loses its display still keeps what the hotkeys changed, for as long as the engine
// lives.
class StoreSettingsOnConnectionLost {
 public:
  StoreSettingsOnConnectionLost(quellar::engine::Engine& engine,
                                quellar::x11::X11Platform& platform) {
    quellar::x11::SetConnectionLostAction(quellar::x11::ConnectionLostStep::kStoreSettings,
                                          [&engine, &platform] {
                                            engine.StoreSettings();
                                            platform.FinishStore();
                                          });
  }
  ~StoreSettingsOnConnectionLost() {
    quellar::x11::SetConnectionLostAction(quellar::x11::ConnectionLostStep::kStoreSettings,
                                          nullptr);
  }
  StoreSettingsOnConnectionLost(const StoreSettingsOnConnectionLost&) = delete;
  StoreSettingsOnConnectionLost& operator=(const StoreSettingsOnConnectionLost&) = delete;
};

// The X11 program, told why it runs instead of the Wayland one (`waylandProblem`, when not
// empty); with no X display either, one line says why neither could run.
int RunOnX11(int argc, const char* const* argv, const std::string& waylandProblem) {
  quellar::x11::X11Platform platform(argc, argv);
  if (!waylandProblem.empty()) {
    if (!platform.HasDisplay()) {
      throw quellar::desktop::NoDisplayError(waylandProblem + ", and " +
                                             quellar::x11::NoDisplayMessage());
    }
    std::cerr << "quellar: " << waylandProblem << ": running on X11 instead\n";
  }
  const quellar::desktop::FinishStoreAtEnd finishStore(platform);
  quellar::monitors::MonitorRun run(platform, platform, std::random_device{}());
  quellar::FrmMain form(run, platform);
  const StoreSettingsOnConnectionLost storeOnLoss(run.Primary(), platform);
  run.Main();
  if (platform.HasMainWindow()) platform.Run(form);
  return 0;
}

// The standard switches: a run in a window of the program's own, a dialog, a notice, nothing. A
// full-screen run in a Wayland session covers the outputs with layer surfaces where the
// compositor offers them; the dialogs find a display themselves.
int RunStandard(int argc, const char* const* argv) {
  std::string waylandProblem;
  if (quellar::linux_program::InWaylandSession() &&
      quellar::engine::AsksForFullScreen(quellar::desktop::JoinArguments(argc, argv))) {
    std::unique_ptr<quellar::wayland::WaylandDisplay> display;
    try {
      display = std::make_unique<quellar::wayland::WaylandDisplay>();
    } catch (const quellar::wayland::NoLayerShellError& problem) {
      waylandProblem = problem.what();
    }
    if (display) return quellar::linux_program::RunOnWayland(argc, argv, std::move(display));
  }
  return RunOnX11(argc, argv, waylandProblem);
}

int RunProgram(int argc, const char* const* argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const quellar::x11::Request request =
      quellar::x11::ParseCommandLine(arguments, std::getenv("XSCREENSAVER_WINDOW"));
  if (std::holds_alternative<quellar::x11::UsageRequest>(request)) {
    std::cout << quellar::x11::UsageText();
  } else if (std::holds_alternative<quellar::x11::VersionRequest>(request)) {
    std::cout << quellar::x11::VersionText();
  } else if (std::holds_alternative<quellar::x11::StopRequest>(request)) {
    return quellar::linux_program::StopIdleGuest();
  } else if (const auto* guest = std::get_if<quellar::x11::GuestRequest>(&request)) {
    if (guest->wayland) return quellar::linux_program::StartIdleGuest(*guest);
    quellar::x11::RunGuest(*guest);
  } else {
    return RunStandard(argc, argv);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunProgram(argc, argv);
  } catch (const quellar::ProcessEnd& end) {
    return end.exitCode;
  } catch (const quellar::desktop::NoDisplayError& error) {
    std::cerr << "quellar: " << error.what() << '\n';
  } catch (const quellar::RuntimeError& error) {
    std::cerr << "quellar: run-time error: " << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << "quellar: " << error.what() << '\n';
  }
  return 1;
}
