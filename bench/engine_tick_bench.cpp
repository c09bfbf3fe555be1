// The engine's tick on the memory platform: the rain step, and Present copying the whole back
// buffer into the platform's frame.

#include <benchmark/benchmark.h>

#include "bench/rain_run.h"

namespace quellar::bench {
namespace {

void BM_EngineTick(benchmark::State& state) {
  RainRun& rain = SharedRain(static_cast<std::int32_t>(state.range(0)),
                             static_cast<std::int32_t>(state.range(1)));
  for (auto _ : state) rain.Tick();
}
BENCHMARK(BM_EngineTick)
    ->ArgNames({"width", "height"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quellar::bench
