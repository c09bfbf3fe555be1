#include "engine/engine.h"

namespace quellar::engine {

namespace {
constexpr std::int16_t kKeyEscape = 27;
constexpr std::int16_t kKeySpace = 32;
}  // namespace

// Only the way out exists so far: Space or Escape ends a full-screen run.
void Engine::HandleKey(const std::int16_t& keyCode) {
  if (state.runMode != kRunFullScreen) return;
  if (keyCode == kKeySpace || keyCode == kKeyEscape) Shutdown();
}

}  // namespace quellar::engine
