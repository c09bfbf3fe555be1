#include "base/conversions.h"
#include "engine/engine.h"
#include "engine/runtime_error.h"

namespace quellar::engine {
namespace {

constexpr std::int32_t kFailInterval = 60;
constexpr std::int32_t kBoxWidth = 271;
constexpr std::int32_t kBoxHeight = 34;
constexpr std::int16_t kShadeTyped = 2;
constexpr std::int16_t kShadeTyping = 0;

// The message band: the lowest row that fits wholly on the surface, and the rows above and
// below it.
struct Band {
  std::int16_t above;
  std::int16_t message;
  std::int16_t below;
};

Band BandOf(std::int16_t surfaceHeight) {
  const std::int16_t base = static_cast<std::int16_t>(surfaceHeight / 20);
  return {Checked16((base - 2) * 20), Checked16((base - 1) * 20), Checked16(base * 20)};
}

// Halves go to the even neighbour: 376.5 -> 376, 547.5 -> 548.
std::int32_t Centred(std::int16_t extent, std::int32_t size) {
  return static_cast<std::int32_t>(RoundHalfEven(extent / 2.0 - size / 2.0));
}

}  // namespace

// The rain is frozen; every tick advances the sequence by one phase at 60 ms: the box, a pause,
// the band cleared at its left edge, seventeen glyphs typed, a pause, and the timer stops.
void Engine::FailureStep() {
  if (state.skipFailScreen != 0) Shutdown();
  SetTimer1Interval(kFailInterval);
  const Band band = BandOf(state.surfaceHeight);
  if (state.failPhase == 1) {
    platform_.BitBlt(state.hdcBuffer, Centred(state.surfaceWidth, kBoxWidth),
                     Centred(state.surfaceHeight, kBoxHeight), kBoxWidth, kBoxHeight,
                     state.hdcFailBox, 0, 0, kSrcCopy);
  } else if (state.failPhase == 6) {
    state.msgCursor = 1;
    for (const std::int16_t y : {band.above, band.message, band.below}) {
      platform_.BitBlt(state.hdcBuffer, 0, y, 16, 20, state.hdcGlyphs, 0, 0, kSrcCopy);
    }
  } else if (state.failPhase >= 7 && state.failPhase <= 23) {
    TypeGlyph(band.above, band.message, band.below);
  } else if (state.failPhase == 32) {
    platform_.SetTimerEnabled(TimerId::Timer1, false);
  }
  state.failPhase = Checked16(state.failPhase + 1);
}

// The previous glyph dims, the new one appears bright, and the cells above and below it are
// cleared of frozen rain.
void Engine::TypeGlyph(std::int16_t above, std::int16_t message, std::int16_t below) {
  const std::int16_t k = state.msgCursor;
  if (k > static_cast<std::int64_t>(state.failMessage.size())) return;
  const auto glyphAt = [this](std::int16_t position) {
    return static_cast<std::int16_t>(
        static_cast<unsigned char>(state.failMessage[static_cast<std::size_t>(position - 1)]));
  };
  if (k > 1) {
    DrawCell(glyphAt(Checked16(k - 1)), kShadeTyped, Checked16((k - 1) * 16), message);
  }
  const std::int16_t x = Checked16(k * 16);
  DrawCell(glyphAt(k), kShadeTyping, x, message);
  DrawCell(0, 0, x, above);
  DrawCell(0, 0, x, below);
  state.msgCursor = Checked16(k + 1);
}

}  // namespace quellar::engine
