// The on-screen display and the help panel: drawn over the rain, kept clear of it, erased.

#include <algorithm>

#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::BackBuffer;
using testing_support::Blit;
using testing_support::Shows;

class OverlayTest : public testing_support::RunFixture {
 protected:
  // Position (from 1) and font cell of every character copied from call `first` on.
  static std::vector<std::pair<int, int>> OsdCells(const memory::MemoryRun& run,
                                                   std::size_t first) {
    std::vector<std::pair<int, int>> cells;
    for (const Blit& b : testing_support::BlitsFrom(run, first, run.Engine().state.hdcOsdFont)) {
      EXPECT_EQ(std::tie(b.y, b.width, b.height), std::make_tuple(20, 16, 40));
      cells.emplace_back(b.x / 16, b.sourceX / 16);
    }
    return cells;
  }
};

// DrawCell leaves a cell alone, erasing included, while the text or the panel covers its
// top-left corner.
TEST_F(OverlayTest, DrawCellSkipsCellsUnderAnOverlay) {
  struct Case {
    const char* osdText;
    std::int16_t helpVisible, x, y;
    bool drawn;
  };
  const auto run = StartFullScreen();
  engine::Engine& engine = run->Engine();
  for (const Case& c :
       {Case{"AB", 0, 16, 20, false}, Case{"AB", 0, 32, 20, false}, Case{"AB", 0, 16, 40, false},
        Case{"AB", 0, 32, 40, false}, Case{"AB", 0, 0, 20, true}, Case{"AB", 0, 48, 20, true},
        Case{"AB", 0, 16, 0, true}, Case{"AB", 0, 16, 60, true}, Case{"", 0, 16, 20, true},
        Case{"", -1, 32, 100, false}, Case{"", -1, 448, 220, false}, Case{"", 1, 462, 100, false},
        Case{"", -1, 16, 100, true}, Case{"", -1, 464, 100, true}, Case{"", -1, 32, 240, true},
        Case{"", 0, 32, 100, true}, Case{"RANDOM DELETING ON ", -1, 304, 40, false},
        Case{"RANDOM DELETING ON ", -1, 320, 40, true}}) {
    engine.state.osdText = c.osdText;
    engine.state.helpVisible = c.helpVisible;
    const std::size_t first = run->Platform().Calls().size();
    engine.DrawCell(0, 0, c.x, c.y);
    EXPECT_EQ(testing_support::CellDraws(*run, first).size(), c.drawn ? 1u : 0u)
        << '"' << c.osdText << "\" " << c.helpVisible << " " << c.x << "," << c.y;
  }
}

// A shorter message blanks every old position first. Lower case shows as capitals, Z on the
// colon's cell, a character without a glyph as a blank.
TEST_F(OverlayTest, AShorterMessageBlanksTheOldOneAndCharactersMapToFontCells) {
  const auto run = StartFullScreen();
  run->Engine().ShowOsd("Random deleting OFF ");
  const std::size_t first = run->Platform().Calls().size();
  run->Engine().ShowOsd("az09: -%.Y");
  std::vector<std::pair<int, int>> expected;
  for (int position = 1; position <= 20; ++position) expected.emplace_back(position, 0);
  int position = 0;
  for (const int cell : {11, 36, 1, 10, 36, 0, 0, 0, 0, 35}) {
    expected.emplace_back(++position, cell);
  }
  EXPECT_EQ(OsdCells(*run, first), expected);
}

// A message shows at once, the rain keeps off it, and it goes two seconds after the last one.
TEST_F(OverlayTest, AMessageShowsAtOnceAndClearsTwoSecondsAfterTheLast) {
  const auto run = StartFullScreen();
  Press(*run, 1000, {107});
  run->RunUntil(1000);
  const auto shown = run->Platform().Frame().Pixels();
  const auto drawn = BackBuffer(*run).Pixels();
  EXPECT_TRUE(std::equal(shown.begin(), shown.end(), drawn.begin(), drawn.end()))
      << "presented at once";
  Press(*run, 2500, {106});
  run->RunUntil(2500);
  const std::size_t first = run->Platform().Calls().size();
  run->RunUntil(4499);
  EXPECT_EQ(run->Engine().state.osdText, "CHAIN LENGTH: 28 ");
  for (const auto& d : testing_support::CellDraws(*run, first)) {
    ASSERT_FALSE(d.y >= 20 && d.y <= 40 && d.x >= 16 && d.x <= 16 * 17) << d;
  }
  run->RunUntil(4500);
  EXPECT_TRUE(run->Engine().state.osdText.empty());
  EXPECT_TRUE(Shows(BackBuffer(*run), 16, 20, 16 * 17, 40));
  EXPECT_FALSE(run->Platform().Timers().Enabled(TimerId::tmrOSD));
}

// Once the failure sequence has stopped the animation nothing presents any more: the cleared
// message stays on the frozen screen.
TEST_F(OverlayTest, AClearAfterTheAnimationStoppedReachesOnlyTheBackBuffer) {
  const auto run = StartFullScreen();
  Press(*run, 100, {13});
  Press(*run, 110, {32});
  run->RunUntil(2099);
  ASSERT_FALSE(run->Platform().Timers().Enabled(TimerId::Timer1));
  run->RunUntil(2100);
  ASSERT_TRUE(run->Engine().state.osdText.empty());
  EXPECT_FALSE(Shows(run->Platform().Frame(), 16, 20, 16 * 20, 40)) << "on screen";
  EXPECT_TRUE(Shows(BackBuffer(*run), 16, 20, 16 * 20, 40)) << "not in the buffer";
}

// F1 twice within a tick leaves black cells, one row more than the panel covers, and presents
// nothing; a third F1 brings the panel back, and the rain falls around it.
TEST_F(OverlayTest, F1ShowsThePanelOverTheRainAndErasesItWithOneRowMore) {
  const auto run = StartFullScreen();
  run->RunUntil(3000);
  const softgdi::Surface before = run->Platform().Frame();
  Press(*run, 3001, {112, 112});
  run->RunUntil(3001);
  EXPECT_TRUE(Shows(BackBuffer(*run), 32, 100, 432, 160));
  EXPECT_TRUE(Shows(run->Platform().Frame(), 0, 0, 1024, 768, &before)) << "nothing presented yet";
  Press(*run, 3100, {112});
  run->RunUntil(6000);
  const softgdi::Surface* panel = run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcHelp);
  EXPECT_TRUE(Shows(BackBuffer(*run), 32, 100, 430, 140, panel));
  EXPECT_TRUE(Shows(run->Platform().Frame(), 32, 100, 430, 140, panel)) << "on screen";
}

}  // namespace
}  // namespace quellar
