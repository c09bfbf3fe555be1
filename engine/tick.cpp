#include "engine/engine.h"

namespace quellar::engine {

void Engine::Tick() { Present(); }

}  // namespace quellar::engine
