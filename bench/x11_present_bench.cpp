// The X11 presentation of one tick of rain, the server's work included: the engine rains on the
// memory platform, and its back buffer goes to a real window after every tick, either whole
// (what a plain Present costs) or through the soft GDI's changes (what the program does). The
// timed region ends when the server has read everything: the shared-memory presenter's
// completion event has come, and a round trip has passed. The counter server_us is the X
// server's own processor time per tick, where it runs on this machine.

#include <benchmark/benchmark.h>
#include <sys/socket.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "bench/rain_run.h"
#include "windows/x11/display.h"
#include "windows/x11/main_window.h"
#include "windows/x11/plain_presenter.h"
#include "windows/x11/shm_presenter.h"
#include "windows/x11/window_surface.h"

namespace quellar::bench {
namespace {

enum class Presenter { kPlain, kShared };
enum class Sent { kWholeFrame, kChangesOnly };

Display* SharedDisplay() {
  static const x11::DisplayPtr display = x11::OpenDisplay();
  return display.get();
}

std::unique_ptr<x11::Presenter> MakePresenter(Presenter kind, Display* display, ::Window window) {
  if (kind == Presenter::kPlain) return std::make_unique<x11::PlainPresenter>(display, window);
  return std::make_unique<x11::ShmPresenter>(display, window);
}

// The processor time of the process at the other end of the connection, in nanoseconds; none
// for a server on another machine.
std::optional<double> ServerNanoseconds(Display* display) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(XConnectionNumber(display), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
      peer.pid <= 0) {
    return std::nullopt;
  }
  std::ifstream schedstat("/proc/" + std::to_string(peer.pid) + "/schedstat");
  double nanoseconds = 0;
  if (!(schedstat >> nanoseconds)) return std::nullopt;
  return nanoseconds;
}

void WaitUntilShown(Display* display, x11::WindowSurface& surface) {
  while (!surface.Settled()) {
    XEvent event;
    XNextEvent(display, &event);
    surface.HandleEvent(event);
  }
  XSync(display, False);
}

void BM_Present(benchmark::State& state, Presenter kind, Sent sent) {
  Display* display = SharedDisplay();
  if (display == nullptr) return state.SkipWithError("no X display");
  const auto width = static_cast<std::int32_t>(state.range(0));
  const auto height = static_cast<std::int32_t>(state.range(1));
  RainRun& rain = SharedRain(width, height);
  x11::MainWindow window(display);
  window.Place(kHwndTopmost, 0, 0, width, height, kSwpShowWindow | kSwpNoActivate);
  x11::WindowSurface surface(MakePresenter(kind, display, window.Id()), width, height);
  const Handle windowDc = rain.Gdi().CreateWindowDC(surface);
  const auto present = [&] {
    if (sent == Sent::kChangesOnly) {
      rain.Gdi().BitBlt(windowDc, 0, 0, width, height, rain.Buffer(), 0, 0, kSrcCopy);
    } else {
      surface.ReceiveCopy(0, 0, width, height, *rain.Gdi().SurfaceOf(rain.Buffer()), 0, 0);
    }
  };
  present();
  WaitUntilShown(display, surface);
  const std::optional<double> serverBefore = ServerNanoseconds(display);
  for (auto _ : state) {
    state.PauseTiming();
    rain.Tick();
    state.ResumeTiming();
    present();
    WaitUntilShown(display, surface);
  }
  const std::optional<double> serverAfter = ServerNanoseconds(display);
  if (serverBefore && serverAfter) {
    state.counters["server_us"] = benchmark::Counter((*serverAfter - *serverBefore) / 1000,
                                                     benchmark::Counter::kAvgIterations);
  }
  rain.Gdi().DeleteDC(windowDc);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"width", "height"})
      ->Args({1920, 1080})
      ->Args({3840, 2160})
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}

BENCHMARK_CAPTURE(BM_Present, plain_whole_frame, Presenter::kPlain, Sent::kWholeFrame)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Present, plain_changes_only, Presenter::kPlain, Sent::kChangesOnly)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Present, shm_whole_frame, Presenter::kShared, Sent::kWholeFrame)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Present, shm_changes_only, Presenter::kShared, Sent::kChangesOnly)
    ->Apply(Sizes);

}  // namespace
}  // namespace quellar::bench
