// The rain, tick by tick: chains, the eraser, random gaps, and the random choices.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

#include "draw_log.h"
#include "run_fixture.h"

namespace quellar {
namespace {

using engine::ColumnTable;
using engine::kEraseRow;
using engine::kHeadGlyph;
using engine::kNextRow;
using engine::kTrailGlyph;
using testing_support::CellDraw;
using testing_support::CellDraws;

using Fields = std::array<std::int16_t, 4>;

Fields FieldsOf(const ColumnTable& table, std::int16_t column) {
  return {table(column, kNextRow), table(column, kHeadGlyph), table(column, kEraseRow),
          table(column, kTrailGlyph)};
}

class RainTest : public testing_support::RunFixture {
 protected:
  std::unique_ptr<memory::MemoryRun> StartRain(std::int32_t width, std::int32_t height,
                                               int chainLength, bool randomDeleting,
                                               std::uint64_t seed = 1) {
    Store("chain", std::to_string(chainLength), "B");
    Store("randm", randomDeleting ? "True" : "False", "S");
    memory::MemoryConfig config;
    config.screenWidth = width;
    config.screenHeight = height;
    config.logDrawing = true;
    config.seed = seed;
    return StartRun(config);
  }

  // Runs one tick and returns the cells it drew.
  std::vector<CellDraw> Tick(memory::MemoryRun& run) {
    const std::size_t first = run.Platform().Calls().size();
    run.RunTicks(1);
    return CellDraws(run.Platform().Calls(), first, run.Engine().state.hdcGlyphs);
  }
};

// One column of 6 rows, chain length 4, no random gaps. G[k] is the head drawn in tick k.
TEST_F(RainTest, OneChainFallsAndIsErasedTickByTick) {
  const auto run = StartRain(16, 120, 4, false);
  ASSERT_EQ(run->Engine().state.rowCount, 6);
  struct Step {
    std::vector<std::array<int, 3>> cells;  // row, glyph (k of G[k], 0 = blank), shade
    std::array<int, 4> fields;              // nextRow, head (k), eraseRow, trail (k)
  };
  const std::vector<Step> steps = {
      {{{1, 1, 0}}, {2, 1, 0, 0}},
      {{{1, 1, 1}, {2, 2, 0}}, {3, 2, 0, 1}},
      {{{1, 1, 2}, {2, 2, 1}, {3, 3, 0}}, {4, 3, 0, 2}},
      {{{2, 2, 2}, {3, 3, 1}, {4, 4, 0}, {1, 0, 0}}, {5, 4, 2, 3}},
      {{{3, 3, 2}, {4, 4, 1}, {5, 5, 0}, {2, 0, 0}}, {6, 5, 3, 4}},
      {{{4, 4, 2}, {5, 5, 1}, {6, 6, 0}, {3, 0, 0}}, {7, 6, 4, 5}},
      {{{5, 5, 2}, {6, 6, 1}, {7, 7, 0}, {4, 0, 0}}, {8, 7, 5, 6}},
      {{{6, 6, 2}, {7, 7, 1}, {8, 8, 0}, {5, 0, 0}}, {9, 8, 6, 7}},
      {{{6, 0, 0}}, {9, 8, 7, 7}},
      {{{7, 0, 0}}, {0, 0, 0, 0}},
  };
  std::map<int, int> heads{{0, 0}};  // k -> glyph drawn as head in tick k
  for (std::size_t tick = 0; tick < steps.size(); ++tick) {
    SCOPED_TRACE("tick " + std::to_string(tick + 1));
    const std::vector<CellDraw> drawn = Tick(*run);
    const Fields fields = FieldsOf(run->Engine().state.columnTable, 1);
    if (tick < 8) heads[static_cast<int>(tick) + 1] = fields[1];
    std::vector<CellDraw> expected;
    for (const auto& [row, k, shade] : steps[tick].cells) {
      expected.push_back({0, (row - 1) * 20, heads.at(k), shade});
    }
    EXPECT_THAT(drawn, testing::ElementsAreArray(expected));
    const auto& f = steps[tick].fields;
    EXPECT_EQ(fields, (Fields{static_cast<std::int16_t>(f[0]),
                              static_cast<std::int16_t>(heads.at(f[1])),
                              static_cast<std::int16_t>(f[2]),
                              static_cast<std::int16_t>(heads.at(f[3]))}));
  }
  EXPECT_NE(heads[1], 0);
  // The column is idle again and starts a new chain in the very next tick.
  const std::vector<CellDraw> nextTick = Tick(*run);
  ASSERT_FALSE(nextTick.empty());
  EXPECT_EQ(nextTick.front(), (CellDraw{0, 0, run->Engine().state.columnTable(1, kHeadGlyph), 0}));
}

// What a column shows once a chain has grown: chainLength - 1 cells, head included.
TEST_F(RainTest, ChainLengthsDecideWhatStaysVisible) {
  struct Case {
    int chainLength;
    std::vector<int> shadesFromHead;  // visible cells from the head upwards
  };
  for (const Case& c : {Case{0, {}}, Case{1, {}}, Case{2, {0}}, Case{3, {0, 1}},
                        Case{4, {0, 1, 2}}, Case{6, {0, 1, 2, 2, 2}}}) {
    SCOPED_TRACE("chain length " + std::to_string(c.chainLength));
    const auto run = StartRain(16, 400, c.chainLength, false);
    std::map<int, int> shadeOfRow;  // visible cells after replaying the draws
    for (int tick = 1; tick <= 12; ++tick) {
      for (const CellDraw& d : Tick(*run)) {
        if (d.glyph == 0) {
          shadeOfRow.erase(d.y / 20 + 1);
        } else {
          shadeOfRow[d.y / 20 + 1] = d.shade;
        }
      }
    }
    std::vector<int> shades;
    for (int row = 12; shadeOfRow.contains(row); --row) shades.push_back(shadeOfRow[row]);
    EXPECT_EQ(shades, c.shadesFromHead);
    EXPECT_EQ(shadeOfRow.size(), c.shadesFromHead.size()) << "nothing left above the chain";
  }
}

TEST_F(RainTest, AtMostOneChainStartsATickAndNoneWhenEveryColumnIsBusy) {
  const auto run = StartRain(160, 400, 22, false);  // 10 columns, 20 rows
  const engine::EngineState& state = run->Engine().state;
  int previousBusy = 0;
  bool sawAllBusy = false;
  for (int tick = 1; tick <= 60; ++tick) {
    run->RunTicks(1);
    int busy = 0;
    for (std::int16_t column = 1; column <= state.colCount; ++column) {
      busy += state.columnTable(column, kNextRow) != 0 ? 1 : 0;
    }
    EXPECT_LE(busy, previousBusy + 1) << "tick " << tick;
    sawAllBusy = sawAllBusy || busy == state.colCount;
    previousBusy = busy;
  }
  EXPECT_TRUE(sawAllBusy);
}

// Gaps come only from a head step whose new nextRow is 10 or more, and never reach the head or
// the three rows above it.
TEST_F(RainTest, RandomGapsStayAboveTheHead) {
  const auto run = StartRain(16, 400, 22, true);  // the eraser starts only after the head
  const ColumnTable& table = run->Engine().state.columnTable;
  std::set<int> rows;
  std::set<int> offsetsFromLowest;
  for (int chain = 0; chain < 40; ++chain) {
    for (int tick = 1; tick <= 44; ++tick) {
      const Fields before = FieldsOf(table, 1);
      const std::vector<CellDraw> drawn = Tick(*run);
      const Fields after = FieldsOf(table, 1);
      const bool headStep = before[0] >= 1 && before[0] <= 22;
      for (const CellDraw& d : drawn) {
        if (d.glyph != 0) continue;
        const int row = d.y / 20 + 1;
        if (before[2] >= 1 && row == before[2]) continue;  // the eraser
        if (after[2] == 2 && row == 1) continue;          // the eraser's first row
        ASSERT_TRUE(headStep) << "gap without a head step";
        ASSERT_GE(after[0], 10);
        ASSERT_GE(row, -4);
        ASSERT_LE(row, after[0] - 5) << "gap too close to the head";
        rows.insert(row);
        offsetsFromLowest.insert(after[0] - 5 - row);
      }
    }
  }
  EXPECT_TRUE(offsetsFromLowest.contains(0)) << "the lowest allowed row is reached";
  EXPECT_TRUE(rows.contains(-4)) << "and so is the highest, above the surface";
}

double ChiSquare(const std::vector<int>& counts) {
  double total = 0;
  for (const int c : counts) total += c;
  const double expected = total / static_cast<double>(counts.size());
  double sum = 0;
  for (const int c : counts) sum += (c - expected) * (c - expected) / expected;
  return sum;
}

TEST_F(RainTest, HeadGlyphsAreUniformAndVaryWithinOneClockReading) {
  const auto run = StartRain(1920, 400, 3, false, 7);  // 120 columns, short chains
  std::vector<int> counts(36, 0);
  int ticksWithSameHeads = 0;
  for (int tick = 0; tick < 300; ++tick) {
    std::map<int, int> headsThisTick;
    for (const CellDraw& d : Tick(*run)) {
      if (d.shade == 0 && d.glyph != 0) {
        ++counts[static_cast<std::size_t>(d.glyph)];
        ++headsThisTick[d.glyph];
      }
    }
    if (headsThisTick.size() == 1 && headsThisTick.begin()->second > 3) ++ticksWithSameHeads;
  }
  EXPECT_EQ(counts[0], 0);
  counts.erase(counts.begin());
  // 34 degrees of freedom: the 99.99th percentile is about 72.
  EXPECT_LT(ChiSquare(counts), 72.0);
  EXPECT_EQ(ticksWithSameHeads, 0);
}

TEST_F(RainTest, ChainsStartInEveryColumnAlike) {
  const auto run = StartRain(320, 60, 0, false, 11);  // 20 columns, 3 rows: chains end fast
  std::vector<int> starts(20, 0);
  for (int tick = 0; tick < 4000; ++tick) {
    for (const CellDraw& d : Tick(*run)) {
      if (d.y == 0 && d.glyph != 0 && d.shade == 0) ++starts[static_cast<std::size_t>(d.x / 16)];
    }
  }
  // 19 degrees of freedom: the 99.99th percentile is about 50.
  EXPECT_LT(ChiSquare(starts), 50.0);
}

}  // namespace
}  // namespace quellar
