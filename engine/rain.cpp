#include "engine/engine.h"
#include "engine/runtime_error.h"

namespace quellar::engine {
namespace {

constexpr std::int16_t kRainGlyphs = 35;
constexpr std::int16_t kShadeHead = 0;
constexpr std::int16_t kShadeBehindHead = 1;
constexpr std::int16_t kShadeBody = 2;

// floor(count * u) with single-precision operands, as an index from 0 to count - 1.
std::int16_t RandomBelow(std::int16_t count, float u) {
  return Checked16(static_cast<std::int64_t>(static_cast<float>(count) * u));
}

// The pixel row of grid row `row` (rows count from 1).
std::int16_t RowY(std::int32_t row) {
  return Checked16((row - 1) * 20);
}

}  // namespace

void Engine::RainStep() {
  StartOneChain();
  for (std::int16_t column = 1; column <= state.colCount; column = Checked16(column + 1)) {
    StepColumn(column, Checked16((column - 1) * 16));
  }
}

// At most one chain starts per tick, in an idle column; when every try hits a busy column,
// none starts.
void Engine::StartOneChain() {
  Reseed();
  for (std::int16_t tries = 1; tries <= state.colCount; tries = Checked16(tries + 1)) {
    const std::int16_t column = Checked16(RandomBelow(state.colCount, random_.Next()) + 1);
    std::int16_t& nextRow = state.columnTable(column, kNextRow);
    if (nextRow == 0) {
      nextRow = 1;
      return;
    }
  }
}

void Engine::StepColumn(std::int16_t column, std::int16_t x) {
  ColumnTable& table = state.columnTable;
  std::int16_t& nextRow = table(column, kNextRow);
  std::int16_t& eraseRow = table(column, kEraseRow);
  const std::int16_t lastHeadRow = Checked16(state.rowCount + 2);
  if (nextRow >= 1 && nextRow <= lastHeadRow) StepHead(column, x);
  if (nextRow > state.chainLength && eraseRow == 0) eraseRow = 1;
  // The eraser blanks row 1 in the tick it starts.
  if (eraseRow >= 1 && eraseRow <= Checked16(state.rowCount + 1)) {
    DrawCell(0, kShadeHead, x, RowY(eraseRow));
    eraseRow = Checked16(eraseRow + 1);
  }
  if (eraseRow == lastHeadRow) {
    for (std::int16_t field = kNextRow; field <= kTrailGlyph; ++field) table(column, field) = 0;
  }
}

// The head moves down one row: the glyph two rows up dims, the old head turns green, and a new
// head appears. The conditions on eraseRow keep the redraws off cells the eraser has blanked.
void Engine::StepHead(std::int16_t column, std::int16_t x) {
  ColumnTable& table = state.columnTable;
  std::int16_t& nextRow = table(column, kNextRow);
  std::int16_t& headGlyph = table(column, kHeadGlyph);
  std::int16_t& trailGlyph = table(column, kTrailGlyph);
  const std::int16_t eraseRow = table(column, kEraseRow);

  if (eraseRow + 1 < nextRow && trailGlyph > 0) {
    DrawCell(trailGlyph, kShadeBody, x, RowY(nextRow - 2));
  }
  if (eraseRow < nextRow && headGlyph > 0) {
    trailGlyph = headGlyph;
    DrawCell(headGlyph, kShadeBehindHead, x, RowY(nextRow - 1));
  }
  Reseed();
  headGlyph = Checked16(RandomBelow(kRainGlyphs, random_.Next()) + 1);
  DrawCell(headGlyph, kShadeHead, x, RowY(nextRow));
  nextRow = Checked16(nextRow + 1);

  // Random gaps: one of the nextRow cells from four rows above the surface down to four rows
  // above the new head.
  if (nextRow >= 10 && state.randomDeleting != 0) {
    Reseed();
    const std::int16_t gapRow = Checked16(RandomBelow(nextRow, random_.Next()) - 5);
    DrawCell(0, kShadeHead, x, Checked16(gapRow * 20));
  }
}

void Engine::Reseed() {
  random_.Reseed(platform_.ClockReading());
}

}  // namespace quellar::engine
