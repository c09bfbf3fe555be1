#include "engine/engine.h"

namespace quellar::engine {

void Engine::Tick() {
  if (state.failPhase == 0) RainStep();
  Present();
}

}  // namespace quellar::engine
