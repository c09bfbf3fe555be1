#include "engine/engine.h"
#include "engine/runtime_error.h"

namespace quellar::engine {

// The rain never paints over the on-screen display or the help panel: a cell whose top-left
// corner lies under either is neither drawn nor erased while it is shown.
void Engine::DrawCell(std::int16_t glyph, std::int16_t shade, std::int16_t x, std::int16_t y) {
  const std::int32_t osdRight = 16 * static_cast<std::int32_t>(state.osdText.size());
  if (!state.osdText.empty() && y >= 20 && y <= 40 && x >= 16 && x <= osdRight) return;
  if (state.helpVisible != 0 && y >= 100 && y <= 220 && x >= 32 && x <= 462) return;
  platform_.BitBlt(state.hdcBuffer, x, y, 16, 20, state.hdcGlyphs, Checked16(glyph * 16),
                   Checked16(shade * 22), kSrcCopy);
}

void Engine::Present() {
  platform_.BitBlt(state.hdcWindow, 0, 0, state.surfaceWidth, state.surfaceHeight, state.hdcBuffer,
                   0, 0, kSrcCopy);
}

}  // namespace quellar::engine
