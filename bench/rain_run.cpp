#include "bench/rain_run.h"

#include <map>
#include <memory>
#include <tuple>

namespace quellar::bench {
namespace {

// A chain lives about as many ticks as the screen has rows plus its length, and one starts
// per tick: after this many even a 3840 x 2160 screen (108 rows) rains at its steady rate.
constexpr std::int64_t kWarmUpTicks = 500;

memory::MemoryConfig ScreenOf(std::int32_t width, std::int32_t height) {
  memory::MemoryConfig config;
  config.screenWidth = width;
  config.screenHeight = height;
  return config;
}

}  // namespace

RainRun::RainRun(std::int32_t width, std::int32_t height, bool shown)
    : run_(store_, ScreenOf(width, height)) {
  run_.Start();
  run_.RunTicks(kWarmUpTicks);
  if (!shown) run_.Platform().SetWindowPos(memory::MemoryPlatform::kMainWindow, 0, 0, 0, 0, 0, 0);
}

RainRun& SharedRain(std::int32_t width, std::int32_t height, bool shown) {
  static std::map<std::tuple<std::int32_t, std::int32_t, bool>, std::unique_ptr<RainRun>> runs;
  std::unique_ptr<RainRun>& run = runs[{width, height, shown}];
  if (!run) run = std::make_unique<RainRun>(width, height, shown);
  return *run;
}

}  // namespace quellar::bench
