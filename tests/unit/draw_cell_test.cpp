// Cell drawing: the overlay masks, clipping at the surface edges, and presentation.

#include <gtest/gtest.h>

#include "draw_log.h"
#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::CellDraws;

struct MaskCase {
  const char* osdText;
  std::int16_t helpVisible;
  std::int16_t x;
  std::int16_t y;
  bool drawn;
};

class DrawCellMaskTest : public testing_support::RunFixture,
                         public testing::WithParamInterface<MaskCase> {};

TEST_P(DrawCellMaskTest, SkipsCellsUnderAnOverlay) {
  memory::MemoryConfig config;
  config.logDrawing = true;
  const auto run = StartRun(config);
  engine::Engine& engine = run->Engine();
  engine.state.osdText = GetParam().osdText;
  engine.state.helpVisible = GetParam().helpVisible;
  const std::size_t first = run->Platform().Calls().size();
  engine.DrawCell(0, 0, GetParam().x, GetParam().y);  // erasing is masked as well
  EXPECT_EQ(CellDraws(run->Platform().Calls(), first, engine.state.hdcGlyphs).size(),
            GetParam().drawn ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DrawCellMaskTest,
    testing::Values(MaskCase{"AB", 0, 16, 20, false}, MaskCase{"AB", 0, 32, 20, false},
                    MaskCase{"AB", 0, 16, 40, false}, MaskCase{"AB", 0, 32, 40, false},
                    MaskCase{"AB", 0, 0, 20, true}, MaskCase{"AB", 0, 48, 20, true},
                    MaskCase{"AB", 0, 16, 0, true}, MaskCase{"AB", 0, 16, 60, true},
                    MaskCase{"", 0, 16, 20, true}, MaskCase{"", -1, 32, 100, false},
                    MaskCase{"", -1, 448, 220, false}, MaskCase{"", 1, 462, 100, false},
                    MaskCase{"", -1, 16, 100, true}, MaskCase{"", -1, 464, 100, true},
                    MaskCase{"", -1, 32, 240, true}, MaskCase{"", 0, 32, 100, true},
                    MaskCase{"RANDOM DELETING ON ", -1, 304, 40, false},
                    MaskCase{"RANDOM DELETING ON ", -1, 320, 40, true}));

class DrawCellPixelsTest : public testing_support::RunFixture {
 protected:
  // A run whose glyph sheet is all white, so every drawn pixel shows.
  std::unique_ptr<memory::MemoryRun> RunWithWhiteGlyphs(std::int32_t width, std::int32_t height) {
    auto run = StartFullScreen(width, height);
    softgdi::SoftGdi& gdi = run->Platform().Gdi();
    softgdi::Surface white(752, 66);
    std::fill(white.pixels.begin(), white.pixels.end(), softgdi::Rgb(255, 255, 255));
    gdi.SelectObject(run->Engine().state.hdcGlyphs, gdi.AddBitmap(std::move(white)));
    return run;
  }

  static int LitPixels(const softgdi::Surface& surface) {
    return static_cast<int>(std::count_if(surface.pixels.begin(), surface.pixels.end(),
                                          [](softgdi::Pixel p) { return p != 0; }));
  }
};

TEST_F(DrawCellPixelsTest, CellsAboveTheSurfaceDrawNothing) {
  const auto run = RunWithWhiteGlyphs(64, 60);
  for (std::int16_t y = -100; y <= -20; y = static_cast<std::int16_t>(y + 20)) {
    run->Engine().DrawCell(5, 0, 16, y);
  }
  EXPECT_EQ(LitPixels(*run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcBuffer)), 0);
}

TEST_F(DrawCellPixelsTest, CellsAtTheEdgesAreCut) {
  const auto run = RunWithWhiteGlyphs(40, 50);  // the last column shows 8 pixels, the last row 10
  run->Engine().DrawCell(5, 0, 32, 40);
  EXPECT_EQ(LitPixels(*run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcBuffer)), 8 * 10);
}

TEST_F(DrawCellPixelsTest, PresentShowsExactlyTheBackBuffer) {
  const auto run = RunWithWhiteGlyphs(64, 60);
  run->Engine().DrawCell(5, 0, 16, 20);
  EXPECT_EQ(LitPixels(run->Platform().Frame()), 0) << "nothing shows before presenting";
  run->Engine().Present();
  EXPECT_EQ(run->Platform().Frame().pixels,
            run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcBuffer)->pixels);
}

}  // namespace
}  // namespace quellar
