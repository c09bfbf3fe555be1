#include "engine/engine.h"
#include "engine/runtime_error.h"

namespace quellar::engine {

// F1 shows the panel or takes it away; neither presents, the next tick does.
void Engine::ToggleHelp() {
  if (state.helpVisible == 0) {
    state.helpVisible = kTrue;
    platform_.BitBlt(state.hdcBuffer, 32, 100, 430, 140, state.hdcHelp, 0, 0, kSrcCopy);
    return;
  }
  // Cleared first, so that DrawCell no longer skips the panel's cells. The erase reaches one
  // row of cells below the panel as well.
  state.helpVisible = kFalse;
  for (std::int16_t x = 32; x <= 462; x = Checked16(x + 16)) {
    for (std::int16_t y = 100; y <= 240; y = Checked16(y + 20)) DrawCell(0, 0, x, y);
  }
}

}  // namespace quellar::engine
