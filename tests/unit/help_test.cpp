// The help panel: shown over the rain, kept clear of it, and erased with one row to spare.

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace quellar {
namespace {

using memory::ScriptedEvent;
using Kind = ScriptedEvent::Kind;

class HelpTest : public testing_support::RunFixture {
 protected:
  const softgdi::Surface& Buffer(memory::MemoryRun& run) {
    return *run.Platform().Gdi().SurfaceOf(run.Engine().state.hdcBuffer);
  }

  // True when the buffer's box at (x, y) equals the help panel's pixels, or is black.
  static bool Matches(const softgdi::Surface& buffer, const softgdi::Surface* panel,
                      std::int32_t x0, std::int32_t y0, std::int32_t width, std::int32_t height) {
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) {
        const softgdi::Pixel expected = panel != nullptr ? panel->At(x, y) : 0;
        if (buffer.At(x0 + x, y0 + y) != expected) return false;
      }
    }
    return true;
  }
};

TEST_F(HelpTest, ThePanelStaysWhileTheRainFallsAround) {
  const auto run = StartFullScreen();
  run->RunUntil(3000);
  run->Schedule({.at = 3001, .kind = Kind::Key, .code = 112});
  run->RunUntil(6000);
  const softgdi::Surface* panel =
      run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcHelp);
  EXPECT_EQ(run->Engine().state.helpVisible, -1);
  EXPECT_TRUE(Matches(Buffer(*run), panel, 32, 100, 430, 140));
  EXPECT_TRUE(Matches(run->Platform().Frame(), panel, 32, 100, 430, 140)) << "on screen";
}

TEST_F(HelpTest, F1TwiceWithinATickLeavesOnlyBlackCellsWithOneRowMore) {
  const auto run = StartFullScreen();
  run->RunUntil(3000);
  const softgdi::Surface before = run->Platform().Frame();
  run->Schedule({.at = 3001, .kind = Kind::Key, .code = 112});
  run->Schedule({.at = 3002, .kind = Kind::Key, .code = 112});
  run->RunUntil(3002);
  EXPECT_TRUE(Matches(Buffer(*run), nullptr, 32, 100, 432, 160));
  EXPECT_EQ(run->Engine().state.loopIndex, 464);
  EXPECT_EQ(run->Engine().state.msgCursor, 260);
  EXPECT_EQ(run->Platform().Frame().pixels, before.pixels) << "nothing presented yet";
}

TEST_F(HelpTest, F1DoesNothingWhileTheFailureSequenceRuns) {
  const auto run = StartFullScreen();
  run->Schedule({.at = 100, .kind = Kind::Key, .code = 112});
  run->Schedule({.at = 200, .kind = Kind::Key, .code = 32});
  run->Schedule({.at = 300, .kind = Kind::Key, .code = 112});
  run->RunUntil(400);
  EXPECT_EQ(run->Engine().state.helpVisible, -1);
}

}  // namespace
}  // namespace quellar
