#include "engine/engine.h"

namespace quellar::engine {

void Engine::Tick() {
  if (state.failPhase == 0) {
    RainStep();
  } else {
    FailureStep();
  }
  Present();
}

}  // namespace quellar::engine
