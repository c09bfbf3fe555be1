// The quellar executable: the engine on X11. Every way the process ends comes back here as an
// exception, after the platform has given the desktop back what the run took.

#include <exception>
#include <iostream>
#include <random>

#include "engine/engine.h"
#include "engine/runtime_error.h"
#include "windows/frm_main.h"
#include "windows/process_end.h"
#include "windows/x11/x11_platform.h"
#include "windows/x11/x_errors.h"

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

// Settings writes that missed another process's lock are retried once the window or the dialog
// is gone, however the program ends.
class FinishStoreAtEnd {
 public:
  explicit FinishStoreAtEnd(quellar::x11::X11Platform& platform) : platform_(platform) {}
  ~FinishStoreAtEnd() { platform_.FinishStore(); }
  FinishStoreAtEnd(const FinishStoreAtEnd&) = delete;
  FinishStoreAtEnd& operator=(const FinishStoreAtEnd&) = delete;

 private:
  quellar::x11::X11Platform& platform_;
};

int RunProgram(int argc, const char* const* argv) {
  quellar::x11::X11Platform platform(argc, argv);
  const FinishStoreAtEnd finishStore(platform);
  quellar::monitors::MonitorRun run(platform, platform, std::random_device{}());
  quellar::FrmMain form(run, platform);
  const StoreSettingsOnConnectionLost storeOnLoss(run.Primary(), platform);
  run.Main();
  if (platform.HasMainWindow()) platform.Run(form);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunProgram(argc, argv);
  } catch (const quellar::ProcessEnd& end) {
    return end.exitCode;
  } catch (const quellar::x11::NoDisplayError& error) {
    std::cerr << "quellar: " << error.what() << '\n';
  } catch (const quellar::RuntimeError& error) {
    std::cerr << "quellar: run-time error: " << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << "quellar: " << error.what() << '\n';
  }
  return 1;
}
