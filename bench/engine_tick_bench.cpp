// The engine's tick on the memory platform, and its presentation on its own. A tick is the rain
// step, the cells it draws into the back buffer, and Present, which the memory platform takes
// as a window would: only what changed. The presentation benchmarks copy one tick's back buffer
// to a window of their own, once as the memory platform does and once whole, as it did before.

#include <benchmark/benchmark.h>

#include "bench/rain_run.h"
#include "windows/memory/window_frame.h"

namespace quellar::bench {
namespace {

enum class Copied { kChangesOnly, kWholeFrame };

RainRun& RainOf(const benchmark::State& state) {
  return SharedRain(static_cast<std::int32_t>(state.range(0)),
                    static_cast<std::int32_t>(state.range(1)));
}

void BM_EngineTick(benchmark::State& state) {
  RainRun& rain = RainOf(state);
  for (auto _ : state) rain.Tick();
}

void BM_Presentation(benchmark::State& state, Copied copied) {
  RainRun& rain = RainOf(state);
  const softgdi::Surface& buffer = *rain.Gdi().SurfaceOf(rain.Buffer());
  memory::WindowFrame window;
  window.Resize(buffer.width, buffer.height);
  const Handle windowDc = rain.Gdi().CreateWindowDC(window);
  const auto present = [&] {
    if (copied == Copied::kChangesOnly) {
      rain.Gdi().BitBlt(windowDc, 0, 0, buffer.width, buffer.height, rain.Buffer(), 0, 0, kSrcCopy);
    } else {
      window.ReceiveCopy(0, 0, buffer.width, buffer.height, buffer, 0, 0);
    }
  };
  present();
  for (auto _ : state) {
    state.PauseTiming();
    rain.Tick();
    state.ResumeTiming();
    present();
  }
  rain.Gdi().DeleteDC(windowDc);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"width", "height"})
      ->Args({1920, 1080})
      ->Args({3840, 2160})
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_EngineTick)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Presentation, changes_only, Copied::kChangesOnly)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Presentation, whole_frame, Copied::kWholeFrame)->Apply(Sizes);

}  // namespace
}  // namespace quellar::bench
