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
  for (state.loopIndex = 32; state.loopIndex <= 462;
       state.loopIndex = Checked16(state.loopIndex + 16)) {
    for (state.msgCursor = 100; state.msgCursor <= 240;
         state.msgCursor = Checked16(state.msgCursor + 20)) {
      DrawCell(0, 0, state.loopIndex, state.msgCursor);
    }
  }
}

}  // namespace quellar::engine
