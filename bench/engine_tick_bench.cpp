// The engine's tick on the memory platform, with its presentation and without. A run's window
// shows the back buffer where its pixels are: what a tick costs beyond the engine's own work is
// keeping what drawing overwrites (the save-under) and Present. Without a window to show it, the
// tick is the engine's work alone. For comparison, the cost of presenting by copying the whole
// back buffer into a window, as the memory platform once did every tick.

#include <benchmark/benchmark.h>

#include "bench/allocation_count.h"
#include "bench/rain_run.h"
#include "platforms/memory/window_frame.h"

namespace quellar::bench {
namespace {

enum class Window { kShown, kNone };

void BM_EngineTick(benchmark::State& state, Window window) {
  RainRun& rain = SharedRain(static_cast<std::int32_t>(state.range(0)),
                             static_cast<std::int32_t>(state.range(1)), window == Window::kShown);
  const std::uint64_t before = Allocations();
  for (auto _ : state) rain.Tick();
  // A tick's path allocates nothing once warm: any allocation shows here.
  state.counters["allocations_per_tick"] = benchmark::Counter(
      static_cast<double>(Allocations() - before), benchmark::Counter::kAvgIterations);
}

void BM_WholeFrameCopy(benchmark::State& state) {
  RainRun& rain = SharedRain(static_cast<std::int32_t>(state.range(0)),
                             static_cast<std::int32_t>(state.range(1)));
  const softgdi::Surface& buffer = *rain.Gdi().SurfaceOf(rain.Buffer());
  memory::WindowFrame window;
  window.Resize(buffer.width, buffer.height);
  for (auto _ : state) {
    state.PauseTiming();
    rain.Tick();
    state.ResumeTiming();
    window.ReceiveChanges(0, 0, buffer.width, buffer.height, buffer, 0, 0, {});
  }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"width", "height"})
      ->Args({1920, 1080})
      ->Args({3840, 2160})
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(BM_EngineTick, presented, Window::kShown)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_EngineTick, engine_alone, Window::kNone)->Apply(Sizes);
BENCHMARK(BM_WholeFrameCopy)->Apply(Sizes);

}  // namespace
}  // namespace quellar::bench
