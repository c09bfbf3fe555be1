// The X11 presentation of one tick of rain, the server's work included: the engine rains on the
// memory platform, and after every tick the cells it changed are written into a bitmap made for
// a real window, as a tick's drawing writes them into its back buffer there (waiting for the
// server, keeping nothing it overwrites), and that bitmap is presented: either whole (what a
// plain Present costs) or only what changed (what the program does). The server shares memory
// unless it runs without MIT-SHM (Xvfb -extension MIT-SHM). The timed region ends when the
// server has read everything: the completion event has come, and a round trip has passed. The
// counter server_us is the X server's own processor time per tick, where it runs on this
// machine. Allocations are counted apart for the presentation (the requests included) and for
// reading its completion event, for which xcb allocates as it does for every event it reads.

#include <benchmark/benchmark.h>
#include <sys/socket.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "bench/allocation_count.h"
#include "bench/rain_run.h"
#include "platforms/x11/display.h"
#include "platforms/x11/main_window.h"
#include "platforms/x11/window_surface.h"

namespace quellar::bench {
namespace {

enum class Sent { kWholeFrame, kChangesOnly };

// Writes what changed in the rain's back buffer into the window's bitmap, then shows that.
class Relay : public softgdi::WindowTarget {
 public:
  Relay(x11::WindowSurface& window, softgdi::Surface& bitmap) : window_(window), bitmap_(bitmap) {}
  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override {
    for (const softgdi::Box& box : changed) {
      softgdi::CopyPixels(bitmap_, box.x, box.y, box.width, box.height, source, box.x, box.y);
    }
    window_.ReceiveChanges(x, y, width, height, bitmap_, sourceX, sourceY, changed);
  }

 private:
  x11::WindowSurface& window_;
  softgdi::Surface& bitmap_;
};

Display* SharedDisplay() {
  static const x11::DisplayPtr display = x11::OpenDisplay();
  return display.get();
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

// The allocations made while the completion was read.
std::uint64_t WaitUntilShown(Display* display, x11::WindowSurface& surface) {
  const std::uint64_t before = Allocations();
  while (!surface.Settled()) {
    XEvent event;
    XNextEvent(display, &event);
    surface.HandleEvent(event);
  }
  const std::uint64_t reading = Allocations() - before;
  XSync(display, False);
  return reading;
}

void BM_Present(benchmark::State& state, Sent sent) {
  Display* display = SharedDisplay();
  if (display == nullptr) return state.SkipWithError("no X display");
  const auto width = static_cast<std::int32_t>(state.range(0));
  const auto height = static_cast<std::int32_t>(state.range(1));
  RainRun& rain = SharedRain(width, height);
  x11::MainWindow window(display);
  window.Place(kHwndTopmost, 0, 0, width, height, kSwpShowWindow | kSwpNoActivate);
  const softgdi::SoftGdi windowGdi;
  x11::WindowSurface surface(display, window.Id(), windowGdi, width, height);
  if (sent == Sent::kWholeFrame) surface.SendWholeFrames();
  softgdi::Surface bitmap(width, height, surface.NewBitmap(width, height));
  Relay relay(surface, bitmap);
  const Handle windowDc = rain.Gdi().CreateWindowDC(relay);
  // As in a tick, which keeps nothing its drawing overwrites.
  const auto present = [&] {
    surface.DuringTick(
        [&] { rain.Gdi().BitBlt(windowDc, 0, 0, width, height, rain.Buffer(), 0, 0, kSrcCopy); });
  };
  present();
  WaitUntilShown(display, surface);
  const std::optional<double> serverBefore = ServerNanoseconds(display);
  std::uint64_t presenting = 0;
  std::uint64_t reading = 0;
  for (auto _ : state) {
    state.PauseTiming();
    rain.Tick();
    state.ResumeTiming();
    const std::uint64_t before = Allocations();
    present();
    presenting += Allocations() - before;
    reading += WaitUntilShown(display, surface);
  }
  // A presentation allocates nothing: any allocation shows here.
  state.counters["allocations_per_present"] =
      benchmark::Counter(static_cast<double>(presenting), benchmark::Counter::kAvgIterations);
  state.counters["xcb_allocations_per_completion"] =
      benchmark::Counter(static_cast<double>(reading), benchmark::Counter::kAvgIterations);
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

BENCHMARK_CAPTURE(BM_Present, whole_frame, Sent::kWholeFrame)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Present, changes_only, Sent::kChangesOnly)->Apply(Sizes);

}  // namespace
}  // namespace quellar::bench
