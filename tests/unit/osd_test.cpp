// The on-screen display: cells drawn, erased and timed out.

#include <gtest/gtest.h>

#include "draw_log.h"
#include "run_fixture.h"

namespace quellar {
namespace {

using memory::ScriptedEvent;
using testing_support::Blit;
using testing_support::BlitsFrom;
using Kind = ScriptedEvent::Kind;

class OsdTest : public testing_support::RunFixture {
 protected:
  std::unique_ptr<memory::MemoryRun> StartLogged() {
    memory::MemoryConfig config;
    config.logDrawing = true;
    return StartRun(config);
  }

  // Position (from 1) and font cell of every character copied since call `first`.
  static std::vector<std::pair<int, int>> OsdCells(const memory::MemoryRun& run,
                                                   std::size_t first) {
    std::vector<std::pair<int, int>> cells;
    for (const Blit& b : BlitsFrom(run.Platform().Calls(), first, run.Engine().state.hdcOsdFont)) {
      EXPECT_EQ(b.y, 20);
      EXPECT_EQ(b.width, 16);
      EXPECT_EQ(b.height, 40);
      cells.emplace_back(b.x / 16, b.sourceX / 16);
    }
    return cells;
  }
};

TEST_F(OsdTest, AShorterMessageBlanksEveryOldPositionFirst) {
  const auto run = StartLogged();
  run->Engine().ShowOsd("Random deleting OFF ");
  const std::size_t first = run->Platform().Calls().size();
  run->Engine().ShowOsd("Random deleting ON ");
  const auto cells = OsdCells(*run, first);
  ASSERT_EQ(cells.size(), 39u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(cells[static_cast<std::size_t>(i)], std::pair(i + 1, 0));
  EXPECT_EQ(cells[20], std::pair(1, 28));  // R
  EXPECT_EQ(cells[38], std::pair(19, 0));  // the trailing space
  EXPECT_EQ(run->Engine().state.osdText, "RANDOM DELETING ON ");
}

TEST_F(OsdTest, ALongerMessageCoversTheOldOneWithoutErasing) {
  const auto run = StartLogged();
  run->Engine().ShowOsd("Speed:  96 ");
  const std::size_t first = run->Platform().Calls().size();
  run->Engine().ShowOsd("Chain length: 27 ");
  EXPECT_EQ(OsdCells(*run, first).size(), 17u);
}

TEST_F(OsdTest, CharactersMapToFontCells) {
  const auto run = StartLogged();
  const std::size_t first = run->Platform().Calls().size();
  run->Engine().ShowOsd("az09: -%.Y");
  const std::vector<std::pair<int, int>> expected = {
      {1, 11}, {2, 36}, {3, 1}, {4, 10}, {5, 36}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 35}};
  EXPECT_EQ(OsdCells(*run, first), expected);
  EXPECT_EQ(run->Engine().state.osdText, "AZ09: -%.Y");
}

TEST_F(OsdTest, TheDisplayClearsTwoSecondsAfterTheLastMessage) {
  const auto run = StartLogged();
  run->Schedule({.at = 1000, .kind = Kind::Key, .code = 107});
  run->Schedule({.at = 2500, .kind = Kind::Key, .code = 106});
  run->RunUntil(4499);
  EXPECT_EQ(run->Engine().state.osdText, "CHAIN LENGTH: 28 ");
  run->RunUntil(4500);
  EXPECT_TRUE(run->Engine().state.osdText.empty());
  EXPECT_FALSE(run->Platform().Timers().Enabled(TimerId::tmrOSD));
}

TEST_F(OsdTest, AMessageShowsAtOnceAndTheRainKeepsOffIt) {
  const auto run = StartLogged();
  run->RunUntil(3000);
  run->Schedule({.at = 3001, .kind = Kind::Key, .code = 13});
  run->RunUntil(3001);
  const engine::EngineState& state = run->Engine().state;
  const softgdi::Surface& buffer = *run->Platform().Gdi().SurfaceOf(state.hdcBuffer);
  EXPECT_EQ(run->Platform().Frame().pixels, buffer.pixels) << "presented at once";
  const std::size_t first = run->Platform().Calls().size();
  run->RunUntil(4900);
  for (const auto& d : testing_support::CellDraws(run->Platform().Calls(), first, state.hdcGlyphs)) {
    const bool underText = d.y >= 20 && d.y <= 40 && d.x >= 16 && d.x <= 16 * 20;
    ASSERT_FALSE(underText) << d;
  }
}

// After the failure sequence has stopped the animation nothing presents any more: the cleared
// message stays on the frozen screen.
TEST_F(OsdTest, AClearAfterTheAnimationStoppedReachesOnlyTheBackBuffer) {
  const auto run = StartLogged();
  run->Schedule({.at = 100, .kind = Kind::Key, .code = 13});
  run->Schedule({.at = 110, .kind = Kind::Key, .code = 32});
  run->RunUntil(2099);
  const engine::EngineState& state = run->Engine().state;
  ASSERT_FALSE(run->Platform().Timers().Enabled(TimerId::Timer1));
  run->RunUntil(2100);
  ASSERT_TRUE(state.osdText.empty());
  const softgdi::Surface& buffer = *run->Platform().Gdi().SurfaceOf(state.hdcBuffer);
  const softgdi::Surface& frame = run->Platform().Frame();
  int litOnScreen = 0;
  int litInBuffer = 0;
  for (std::int32_t y = 20; y < 60; ++y) {
    for (std::int32_t x = 16; x < 16 * 21; ++x) {
      litOnScreen += frame.At(x, y) != 0 ? 1 : 0;
      litInBuffer += buffer.At(x, y) != 0 ? 1 : 0;
    }
  }
  EXPECT_GT(litOnScreen, 200) << "the message is still on screen";
  EXPECT_EQ(litInBuffer, 0) << "but gone from the back buffer";
}

}  // namespace
}  // namespace quellar
