#include "platforms/linux/idle_guest.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "engine/runtime_error.h"
#include "platforms/desktop/no_display_error.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/process_end.h"
#include "platforms/linux/wayland_run.h"
#include "platforms/monitors/monitor_run.h"
#include "platforms/wayland/lock_probe.h"
#include "platforms/wayland/session_flag.h"
#include "platforms/wayland/wayland_platform.h"

namespace quellar::linux_program {
namespace {

constexpr auto kStopWait = std::chrono::seconds(5);
constexpr auto kStopPoll = std::chrono::milliseconds(20);

// The process of the rain: it tells the daemon's command through `shown` once every output has
// shown a frame, and ends at the first input, a termination signal or the compositor's end.
[[noreturn]] void RunRain(const x11::GuestRequest& request, int shown) {
  setsid();
  wayland::WaylandPlatform platform("", std::make_unique<wayland::WaylandDisplay>(),
                                    wayland::Starter::kIdleDaemon);
  monitors::MonitorRun run(platform, platform, std::random_device{}());
  FrmMain form(run, platform);
  run.Main();
  run.Primary().TakeOverrides(request.overrides);
  platform.Run(form, [shown] {
    const char covered = 1;
    if (write(shown, &covered, 1) < 0) return;  // the command went: nobody waits
    close(shown);
  });
  throw ProcessEnd{0};
}

// The rain's word that it covers the outputs, or its status when it ended without one.
int AwaitRain(pid_t rain, int shown) {
  char covered = 0;
  ssize_t got = 0;
  do {
    got = read(shown, &covered, 1);
  } while (got < 0 && errno == EINTR);
  close(shown);
  if (got == 1) return 0;
  int status = 0;
  while (waitpid(rain, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) != 0 ? WEXITSTATUS(status) : 1;
}

}  // namespace

int StartIdleGuest(const x11::GuestRequest& request) {
  if (!InWaylandSession()) {
    throw desktop::NoDisplayError("--wayland needs a Wayland desktop: WAYLAND_DISPLAY is not set");
  }
  // Already raining, or locked: the lock screen stays above everything else.
  if (wayland::SessionFlag(wayland::WaylandDisplayName()).IsSet()) return 0;
  if (wayland::LockScreenUp()) return 0;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) throw RuntimeError("cannot start the rain: no pipe");
  const pid_t rain = fork();
  if (rain < 0) throw RuntimeError("cannot start the rain: fork failed");
  if (rain == 0) {
    close(ends[0]);
    RunRain(request, ends[1]);
  }
  close(ends[1]);
  return AwaitRain(rain, ends[0]);
}

int StopIdleGuest() {
  const wayland::SessionFlag flag(wayland::WaylandDisplayName());
  const int rain = flag.Holder();
  if (rain == 0) return 0;
  kill(rain, SIGTERM);
  for (auto waited = std::chrono::milliseconds(0); waited < kStopWait; waited += kStopPoll) {
    if (!flag.IsSet()) return 0;
    std::this_thread::sleep_for(kStopPoll);
  }
  throw RuntimeError("the rain (process " + std::to_string(rain) + ") did not end within 5 s");
}

}  // namespace quellar::linux_program
