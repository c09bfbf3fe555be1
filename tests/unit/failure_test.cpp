// The system-failure sequence: the box, the band, the typed message and its timing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "draw_log.h"
#include "run_fixture.h"

namespace quellar {
namespace {

using memory::ScriptedEvent;
using testing_support::Blit;
using testing_support::BlitsFrom;
using Kind = ScriptedEvent::Kind;

class FailureTest : public testing_support::RunFixture {
 protected:
  // A run with Space pressed at 100 ms; the first failure tick comes at 123 ms.
  std::unique_ptr<memory::MemoryRun> StartFailing(std::int32_t width, std::int32_t height) {
    memory::MemoryConfig config;
    config.screenWidth = width;
    config.screenHeight = height;
    config.logDrawing = true;
    auto run = StartRun(config);
    run->Schedule({.at = 100, .kind = Kind::Key, .code = 32});
    return run;
  }
};

struct BoxCase {
  std::int32_t width, height, x, y, above, message, below;
};

class FailureBoxTest : public FailureTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(FailureBoxTest, TheBoxIsCentredAndTheBandSitsAtTheBottom) {
  const BoxCase& c = GetParam();
  const auto run = StartFailing(c.width, c.height);
  run->RunUntil(2500);
  const engine::EngineState& state = run->Engine().state;
  const std::vector<Blit> box = BlitsFrom(run->Platform().Calls(), 0, state.hdcFailBox);
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ(box[0].x, c.x);
  EXPECT_EQ(box[0].y, c.y);
  std::vector<std::int32_t> bandStarts;
  for (const Blit& b : BlitsFrom(run->Platform().Calls(), 0, state.hdcGlyphs)) {
    if (b.x == 0 && b.sourceX == 0 && b.y >= c.above) bandStarts.push_back(b.y);
  }
  EXPECT_THAT(bandStarts, testing::ElementsAre(c.above, c.message, c.below));
}

INSTANTIATE_TEST_SUITE_P(Screens, FailureBoxTest,
                         testing::Values(BoxCase{1024, 768, 376, 367, 720, 740, 760},
                                         BoxCase{1366, 768, 548, 367, 720, 740, 760},
                                         BoxCase{800, 600, 264, 283, 560, 580, 600},
                                         BoxCase{1024, 769, 376, 368, 720, 740, 760},
                                         BoxCase{1920, 1080, 824, 523, 1040, 1060, 1080}));

TEST_F(FailureTest, EveryPhaseComesOnTime) {
  const auto run = StartFailing(1024, 768);
  std::vector<std::int64_t> tickTimes;
  run->OnTimer1([&](std::int64_t) { tickTimes.push_back(run->Now()); });
  run->RunUntil(100);
  tickTimes.clear();
  run->RunUntil(10000);
  ASSERT_EQ(tickTimes.size(), 32u) << "phases 1 to 32, then the timer stops";
  EXPECT_EQ(tickTimes.front(), 123);
  EXPECT_EQ(tickTimes[6], 123 + 360) << "the first glyph";
  EXPECT_EQ(tickTimes[22], 123 + 1320) << "the last glyph";
  EXPECT_EQ(tickTimes.back(), 123 + 1860) << "the timer stops";
  EXPECT_EQ(run->Engine().state.failPhase, 33);
  EXPECT_EQ(run->Engine().state.tickInterval, 41) << "the user's speed is kept";
  EXPECT_FALSE(run->Ended());
}

TEST_F(FailureTest, TheTypedMessageEndsDimWithABrightBlankAtTheEnd) {
  const auto run = StartFailing(1024, 768);
  run->RunUntil(5000);
  const engine::EngineState& state = run->Engine().state;
  softgdi::SoftGdi& gdi = run->Platform().Gdi();
  const softgdi::Surface& screen = run->Platform().Frame();
  const softgdi::Surface& sheet = *gdi.SurfaceOf(state.hdcGlyphs);
  // The part on screen of the cell at (x, y) shows `glyph` in `shade`.
  const auto shows = [&](std::int32_t x, std::int32_t y, std::int32_t glyph, std::int32_t shade) {
    for (std::int32_t dy = 0; dy < 20 && y + dy < screen.height; ++dy) {
      for (std::int32_t dx = 0; dx < 16; ++dx) {
        if (screen.At(x + dx, y + dy) != sheet.At(glyph * 16 + dx, shade * 22 + dy)) return false;
      }
    }
    return true;
  };
  for (std::int32_t k = 1; k <= 16; ++k) {
    const auto glyph = static_cast<unsigned char>(state.failMessage[static_cast<std::size_t>(k - 1)]);
    EXPECT_TRUE(shows(k * 16, 740, glyph, 2)) << "position " << k;
  }
  EXPECT_TRUE(shows(272, 740, 0, 0));
  for (std::int32_t x = 0; x <= 272; x += 16) {
    EXPECT_TRUE(shows(x, 720, 0, 0)) << x;
    EXPECT_TRUE(shows(x, 760, 0, 0)) << x;
  }
  EXPECT_TRUE(shows(0, 740, 0, 0));
}

TEST_F(FailureTest, SkippingTheScreenEndsTheRunOnTheFirstFailureTick) {
  Store("SysFailScreen", "1", "B");
  const auto run = StartFailing(1024, 768);
  run->RunUntil(1000);
  EXPECT_EQ(run->EndedAt(), 123);
  EXPECT_TRUE(BlitsFrom(run->Platform().Calls(), 0, run->Engine().state.hdcFailBox).empty());
  EXPECT_EQ(Stored("speed", "B"), "41");
}

TEST_F(FailureTest, ASecondPressBeforeTheFirstFailureTickEndsTheRun) {
  const auto run = StartFailing(1024, 768);
  run->Schedule({.at = 110, .kind = Kind::Key, .code = 27});
  run->RunUntil(1000);
  EXPECT_EQ(run->EndedAt(), 110);
  EXPECT_TRUE(BlitsFrom(run->Platform().Calls(), 0, run->Engine().state.hdcFailBox).empty());
}

// Every way out stores the settings the hotkeys changed.
TEST_F(FailureTest, EveryWayOutStoresTheSettings) {
  struct Exit {
    const char* name;
    std::vector<ScriptedEvent> events;
    bool skip;
    bool closeOnMove;
  };
  const std::vector<Exit> exits = {
      {"double click", {{.at = 300, .kind = Kind::DoubleClick}}, false, false},
      {"second press", {{.at = 300, .kind = Kind::Key, .code = 32}, {.at = 3000, .kind = Kind::Button}}, false, false},
      {"skipped screen", {{.at = 300, .kind = Kind::Key, .code = 27}}, true, false},
      {"mouse movement", {{.at = 300, .kind = Kind::Move}, {.at = 301, .kind = Kind::Move},
                          {.at = 302, .kind = Kind::Move}, {.at = 303, .kind = Kind::Move},
                          {.at = 304, .kind = Kind::Move}, {.at = 305, .kind = Kind::Move},
                          {.at = 306, .kind = Kind::Move}, {.at = 307, .kind = Kind::Move}}, false, true},
  };
  for (const Exit& exit : exits) {
    SCOPED_TRACE(exit.name);
    Store("speed", "41", "B");
    Store("randm", "True", "S");
    Store("SysFailScreen", exit.skip ? "1" : "0", "B");
    Store("MouseMove", exit.closeOnMove ? "1" : "0", "B");
    memory::MemoryConfig config;
    const auto run = StartRun(config);
    run->Schedule({.at = 100, .kind = Kind::Key, .code = 107});
    run->Schedule({.at = 200, .kind = Kind::Key, .code = 13});
    for (const ScriptedEvent& event : exit.events) run->Schedule(event);
    run->RunUntil(10000);
    ASSERT_TRUE(run->Ended());
    EXPECT_EQ(Stored("speed", "B"), "31");
    EXPECT_EQ(Stored("randm", "S"), "False");
    EXPECT_EQ(run->Platform().CursorCount(), 0);
    EXPECT_EQ(run->Platform().ScreenSaverFlag(), 0);
  }
}

}  // namespace
}  // namespace quellar
