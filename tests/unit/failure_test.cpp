// The system-failure sequence: the box, the band, the typed message and its timing.

#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::Blit;
using testing_support::BlitsFrom;
using testing_support::Shows;
using FailureTest = testing_support::RunFixture;

TEST_F(FailureTest, TheBoxIsCentredAndTheBandSitsAtTheBottom) {
  // Screen, box corner, and the rows above, of and below the message.
  for (const auto& [width, height, x, y, above, message, below] :
       std::initializer_list<std::array<std::int32_t, 7>>{
           {1024, 768, 376, 367, 720, 740, 760},
           {1366, 768, 548, 367, 720, 740, 760},
           {1024, 769, 376, 368, 720, 740, 760},
           {1920, 1080, 824, 523, 1040, 1060, 1080}}) {
    const auto run = StartFullScreen(width, height);
    Press(*run, 100, {32});
    run->RunUntil(2500);
    const engine::EngineState& state = run->Engine().state;
    const std::vector<Blit> box = BlitsFrom(*run, 0, state.hdcFailBox);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(std::tie(box[0].x, box[0].y), std::tie(x, y));
    std::vector<std::int32_t> bandStarts;
    for (const Blit& b : BlitsFrom(*run, 0, state.hdcGlyphs)) {
      if (b.x == 0 && b.sourceX == 0 && b.y >= above) bandStarts.push_back(b.y);
    }
    EXPECT_THAT(bandStarts, testing::ElementsAre(above, message, below)) << width << "x" << height;
  }
}

// Space at 100 ms; the first failure tick comes at 123 ms. Phase 1 draws the box, 6 the band's left
// edge, 7 the first glyph (no predecessor to dim), 8 to 23 one glyph each with its predecessor, the
// rest nothing; phase 32 stops the timer. The message then stands dim, with the bright blank of its
// last position and the band cleared around it.
TEST_F(FailureTest, EveryPhaseDrawsItsPartOnTime) {
  const auto run = StartFullScreen(1024, 768);
  Press(*run, 100, {32});
  run->RunUntil(100);
  std::vector<std::pair<std::int64_t, std::size_t>> ticks;  // time, cells and boxes copied
  std::size_t first = run->Platform().Calls().size();
  const engine::EngineState& state = run->Engine().state;
  run->OnTimer1([&](std::int64_t) {
    ticks.emplace_back(run->Now(), BlitsFrom(*run, first, state.hdcGlyphs).size() +
                                       BlitsFrom(*run, first, state.hdcFailBox).size());
    first = run->Platform().Calls().size();
  });
  run->RunUntil(10000);
  const std::string copies = "10000334444444444444444000000000";  // in phases 1 to 32
  std::vector<std::pair<std::int64_t, std::size_t>> expected;
  for (std::size_t phase = 1; phase <= 32; ++phase) {
    expected.emplace_back(123 + (phase - 1) * 60, copies[phase - 1] - '0');
  }
  EXPECT_EQ(ticks, expected);
  EXPECT_EQ(state.failPhase, 33);
  EXPECT_EQ(state.tickInterval, 41) << "the user's speed is kept";

  const softgdi::Surface& screen = run->Platform().Frame();
  const softgdi::Surface& sheet = *run->Platform().Gdi().SurfaceOf(state.hdcGlyphs);
  for (std::int32_t k = 1; k <= 16; ++k) {
    const int glyph = state.failMessage[static_cast<std::size_t>(k - 1)];
    EXPECT_TRUE(Shows(screen, k * 16, 740, 16, 20, &sheet, glyph * 16, 2 * 22)) << k;
  }
  // Black: the typed blank, the band's left edge, and the rows above and below (8 pixels show).
  EXPECT_TRUE(Shows(screen, 272, 740, 16, 20) && Shows(screen, 0, 740, 16, 20));
  EXPECT_TRUE(Shows(screen, 0, 720, 288, 20) && Shows(screen, 0, 760, 288, 8));
}

}  // namespace
}  // namespace quellar
