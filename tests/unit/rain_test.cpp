// The rain, tick by tick: chains, the eraser, random gaps, and the random choices.

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <set>

#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::CellDraw;
using Fields = std::array<std::int16_t, 4>;  // nextRow, headGlyph, eraseRow, trailGlyph

class RainTest : public testing_support::RunFixture {
 protected:
  testing_support::RunPtr StartRain(std::int32_t width, std::int32_t height, int chainLength,
                                    const char* randomDeleting, std::uint64_t seed = 1) {
    Store("chain", std::to_string(chainLength), "B");
    Store("randm", randomDeleting, "S");
    return StartFullScreen(width, height, seed);
  }

  // Runs one tick and returns the cells it drew.
  static std::vector<CellDraw> Tick(memory::MemoryRun& run) {
    const std::size_t first = run.Platform().Calls().size();
    run.RunTicks(1);
    return testing_support::CellDraws(run, first);
  }

  static Fields FieldsOf(const memory::MemoryRun& run, std::int16_t column) {
    Fields fields;
    for (std::size_t i = 0; i < 4; ++i) {
      fields[i] = run.Engine().state.columnTable(column, static_cast<std::int32_t>(i) + 1);
    }
    return fields;
  }
};

// One column of 6 rows, chain length 4, no random gaps; G[k] is the head drawn in tick k.
TEST_F(RainTest, OneChainFallsAndIsErasedTickByTick) {
  const auto run = StartRain(16, 120, 4, "False");
  ASSERT_EQ(run->Engine().state.rowCount, 6);
  struct Step {
    std::vector<std::array<int, 3>> cells;  // row, k of G[k] (0: blank), shade
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
  std::map<int, std::int16_t> heads{{0, 0}};  // k -> the glyph of G[k]
  for (std::size_t tick = 0; tick < steps.size(); ++tick) {
    SCOPED_TRACE("tick " + std::to_string(tick + 1));
    const std::vector<CellDraw> drawn = Tick(*run);
    const Fields fields = FieldsOf(*run, 1);
    if (tick < 8) heads[static_cast<int>(tick) + 1] = fields[1];
    std::vector<CellDraw> expected;
    for (const auto& [row, k, shade] : steps[tick].cells) {
      expected.push_back({0, (row - 1) * 20, heads.at(k), shade});
    }
    EXPECT_THAT(drawn, testing::ElementsAreArray(expected));
    const auto& [nextRow, head, eraseRow, trail] = steps[tick].fields;
    EXPECT_EQ(fields, (Fields{static_cast<std::int16_t>(nextRow), heads.at(head),
                              static_cast<std::int16_t>(eraseRow), heads.at(trail)}));
  }
  // The column is idle again and starts a new chain in the very next tick.
  const std::vector<CellDraw> nextTick = Tick(*run);
  EXPECT_THAT(nextTick, testing::ElementsAre(CellDraw{0, 0, FieldsOf(*run, 1)[1], 0}));
}

// What a column shows once a chain has grown: chainLength - 1 cells, head included.
TEST_F(RainTest, ChainLengthsDecideWhatStaysVisible) {
  const std::map<int, std::vector<int>> shadesFromHead = {
      {0, {}}, {1, {}}, {2, {0}}, {3, {0, 1}}, {4, {0, 1, 2}}, {6, {0, 1, 2, 2, 2}}};
  for (const auto& [chainLength, expected] : shadesFromHead) {
    const auto run = StartRain(16, 400, chainLength, "False");
    std::map<int, int> shadeOfRow;  // the visible cells, replayed from the draws
    for (int tick = 1; tick <= 12; ++tick) {
      for (const CellDraw& d : Tick(*run)) {
        if (d.glyph == 0) shadeOfRow.erase(d.y / 20 + 1);
        if (d.glyph != 0) shadeOfRow[d.y / 20 + 1] = d.shade;
      }
    }
    std::vector<int> shades;
    for (int row = 12; shadeOfRow.contains(row); --row) shades.push_back(shadeOfRow[row]);
    EXPECT_EQ(shades, expected) << "chain length " << chainLength;
    EXPECT_EQ(shadeOfRow.size(), expected.size()) << "nothing left above the chain";
  }
}

// Gaps come only from a head step whose new nextRow is 10 or more, anywhere from four rows
// above the surface down to four rows above the new head.
TEST_F(RainTest, RandomGapsStayAboveTheHead) {
  const auto run = StartRain(16, 400, 22, "True");  // the eraser starts after the last head
  std::set<int> offsetsFromLowest;
  int highest = 0;
  for (int tick = 1; tick <= 40 * 44; ++tick) {
    const Fields before = FieldsOf(*run, 1);
    const std::vector<CellDraw> drawn = Tick(*run);
    const Fields after = FieldsOf(*run, 1);
    for (const CellDraw& d : drawn) {
      const int row = d.y / 20 + 1;
      const bool eraser = (before[2] >= 1 && row == before[2]) || (after[2] == 2 && row == 1);
      if (d.glyph != 0 || eraser) continue;
      ASSERT_TRUE(before[0] >= 1 && before[0] <= 22 && after[0] >= 10) << "tick " << tick;
      ASSERT_LE(row, after[0] - 5) << "a gap too close to the head";
      offsetsFromLowest.insert(after[0] - 5 - row);
      highest = std::min(highest, row);
    }
  }
  EXPECT_TRUE(offsetsFromLowest.contains(0)) << "the lowest allowed row is reached";
  EXPECT_EQ(highest, -4) << "and the highest, above the surface";
}

// Every glyph and every column alike, at most one new chain a tick, and heads that differ within
// one clock reading.
TEST_F(RainTest, RandomChoicesAreUniform) {
  const auto run = StartRain(320, 60, 0, "False", 7);  // 20 columns of 3 rows: chains end fast
  std::vector<int> glyphs(35, 0), columns(20, 0);
  int ticksWithSameHeads = 0;
  for (int tick = 0; tick < 4000; ++tick) {
    std::multiset<int> heads;
    int starts = 0;
    for (const CellDraw& d : Tick(*run)) {
      if (d.shade != 0 || d.glyph == 0) continue;
      ASSERT_LE(d.glyph, 35);
      ++glyphs[static_cast<std::size_t>(d.glyph - 1)];
      if (d.y == 0) {
        ++starts;
        ++columns[static_cast<std::size_t>(d.x / 16)];
      }
      heads.insert(d.glyph);
    }
    ASSERT_LE(starts, 1);
    ticksWithSameHeads += heads.size() > 4 && heads.count(*heads.begin()) == heads.size();
  }
  for (const std::vector<int>& counts : {glyphs, columns}) {  // each within a quarter of the mean
    const auto [fewest, most] = std::minmax_element(counts.begin(), counts.end());
    const int mean =
        std::accumulate(counts.begin(), counts.end(), 0) / static_cast<int>(counts.size());
    EXPECT_TRUE(*fewest * 4 > mean * 3 && *most * 4 < mean * 5) << *fewest << " to " << *most;
  }
  EXPECT_EQ(ticksWithSameHeads, 0);
}

}  // namespace
}  // namespace quellar
