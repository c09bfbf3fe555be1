// The failure box (bitmap 102) and the help panel (bitmap 104): green lettering inside a
// two-pixel green frame with softened corners, on black.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/art/resource_files.h"

namespace quellar::art {
namespace {

constexpr Rgb kGreen{56, 156, 50};
constexpr int kFrame = 2;
// Beyond this distance from a corner the frame's sides are straight.
constexpr int kCornerReach = 8;

struct PanelCase {
  const char* name;
  int width;
  int height;

  friend void PrintTo(const PanelCase& value, std::ostream* out) { *out << value.name; }
};

class FramedPanelTest : public testing::TestWithParam<PanelCase> {
 protected:
  void SetUp() override {
    ASSERT_EQ(panel_.Width(), GetParam().width);
    ASSERT_EQ(panel_.Height(), GetParam().height);
  }

  // The pixels `depth` pixels in from each side, away from the corners.
  std::vector<Rgb> Sides(int depth) const {
    const int w = panel_.Width();
    const int h = panel_.Height();
    std::vector<Rgb> pixels;
    for (int x = kCornerReach; x < w - kCornerReach; ++x) {
      pixels.push_back(panel_.At(x, depth));
      pixels.push_back(panel_.At(x, h - 1 - depth));
    }
    for (int y = kCornerReach; y < h - kCornerReach; ++y) {
      pixels.push_back(panel_.At(depth, y));
      pixels.push_back(panel_.At(w - 1 - depth, y));
    }
    return pixels;
  }

  const Image panel_ = LoadBitmap(GetParam().name);
};

TEST_P(FramedPanelTest, FrameIsSolidGreenAlongEverySide) {
  for (int depth = 0; depth < kFrame; ++depth) {
    for (const Rgb colour : Sides(depth)) ASSERT_EQ(colour, kGreen) << "depth " << depth;
  }
}

TEST_P(FramedPanelTest, FieldIsBlackBetweenFrameAndLettering) {
  for (int depth = kFrame; depth < kFrame + 2; ++depth) {
    for (const Rgb colour : Sides(depth)) ASSERT_EQ(colour, kBlack) << "depth " << depth;
  }
}

TEST_P(FramedPanelTest, CornersAreSoftened) {
  const int w = panel_.Width();
  const int h = panel_.Height();
  for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
    EXPECT_LT(panel_.At(x, y).g, kGreen.g / 2) << x << "," << y;
  }
}

TEST_P(FramedPanelTest, EveryPixelIsTheGreenAtSomeStrength) {
  for (const InkPixel pixel : InkIn(panel_, {0, 0, panel_.Width(), panel_.Height()})) {
    const Rgb colour = panel_.At(pixel.x, pixel.y);
    const double strength = static_cast<double>(colour.g) / kGreen.g;
    ASSERT_NEAR(colour.r, kGreen.r * strength, 1.5) << pixel.x << "," << pixel.y;
    ASSERT_NEAR(colour.b, kGreen.b * strength, 1.5) << pixel.x << "," << pixel.y;
  }
}

TEST_P(FramedPanelTest, HasLetteringInsideTheFrame) {
  const int inset = kFrame + 2;
  EXPECT_GT(InkIn(panel_, {inset, inset, panel_.Width() - inset, panel_.Height() - inset}).size(),
            100u);
}

INSTANTIATE_TEST_SUITE_P(Panels, FramedPanelTest,
                         testing::Values(PanelCase{"failbox.bmp", 271, 34},
                                         PanelCase{"help.bmp", 430, 140}),
                         NameAfterFile());

// The lettering of a panel, without the frame.
std::vector<InkPixel> Lettering(const Image& panel) {
  const int inset = kFrame + 2;
  return InkIn(panel, {inset, inset, panel.Width() - inset, panel.Height() - inset});
}

Bounds BoundsOf(const std::vector<InkPixel>& pixels) {
  Bounds bounds{pixels.front().x, pixels.front().y, pixels.front().x + 1, pixels.front().y + 1};
  for (const InkPixel pixel : pixels) {
    bounds.left = std::min(bounds.left, pixel.x);
    bounds.top = std::min(bounds.top, pixel.y);
    bounds.right = std::max(bounds.right, pixel.x + 1);
    bounds.bottom = std::max(bounds.bottom, pixel.y + 1);
  }
  return bounds;
}

TEST(FailureBoxTest, WordsAreCentredAndAboutEighteenPixelsHigh) {
  const Image box = LoadBitmap("failbox.bmp");
  ASSERT_EQ(box.Width(), 271);
  const Bounds words = BoundsOf(Lettering(box));
  EXPECT_NEAR(words.left + words.right, box.Width(), 1);
  EXPECT_NEAR(words.top + words.bottom, box.Height(), 1);
  EXPECT_NEAR(words.Height(), 18, 2);
  EXPECT_GT(words.Width(), box.Width() / 2);
}

// Lines are 22 pixels apart with their tops at 7, 29, ... 117 and start 14 pixels in. Glyph
// ink starts a row or two below a line's top and a pixel or two right of its start.
TEST(HelpPanelTest, SixLinesStandWhereTheLayoutPutsThem) {
  const Image panel = LoadBitmap("help.bmp");
  ASSERT_EQ(panel.Width(), 430);
  const std::vector<InkPixel> ink = Lettering(panel);
  std::vector<std::vector<InkPixel>> lines;
  for (const InkPixel pixel : ink) {
    if (lines.empty() || pixel.y > lines.back().back().y + 1) lines.emplace_back();
    lines.back().push_back(pixel);
  }
  ASSERT_EQ(lines.size(), 6u);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const Bounds line = BoundsOf(lines[index]);
    const int top = 7 + 22 * static_cast<int>(index);
    EXPECT_GE(line.top, top) << index;
    EXPECT_LE(line.top, top + 4) << index;
    EXPECT_LE(line.bottom, top + 16) << index;
    EXPECT_GE(line.left, 14) << index;
    EXPECT_LE(line.left, 16) << index;
  }
}

}  // namespace
}  // namespace quellar::art
