#pragma once
// The real engine raining on the memory platform, its screen already full of chains: the
// frames the benchmarks tick through and present.

#include <cstdint>

#include "platforms/memory/memory_run.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::bench {

class RainRun {
 public:
  // `shown`: the window shows the back buffer, as in a run; otherwise the window has no size,
  // and the tick is the engine's own work alone.
  RainRun(std::int32_t width, std::int32_t height, bool shown);
  RainRun(const RainRun&) = delete;
  RainRun& operator=(const RainRun&) = delete;

  void Tick() { run_.RunTicks(1); }
  softgdi::SoftGdi& Gdi() { return run_.Platform().Gdi(); }
  // The engine's back buffer.
  Handle Buffer() const { return run_.Engine().state.hdcBuffer; }

 private:
  registry::SqliteStore store_{":memory:"};
  memory::MemoryRun run_;
};

// One run per screen size for the whole program: warming up a 3840 x 2160 screen takes
// seconds, and a benchmark may be set up several times.
RainRun& SharedRain(std::int32_t width, std::int32_t height, bool shown = true);

}  // namespace quellar::bench
