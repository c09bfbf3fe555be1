// The glyph sheet, bitmap 101: 47 cells of 16 x 20 pixels in three shade bands of 22 rows.
// The rain copies cells by index and shade, so every cell must hold one shape in the band's
// colour and nothing may reach the two spare rows of a band.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tests/art/resource_files.h"

namespace quellar::art {
namespace {

constexpr int kCellWidth = 16;
constexpr int kCellHeight = 20;
constexpr int kBandHeight = 22;
constexpr int kGlyphCount = 47;
constexpr int kShadeCount = 3;
constexpr std::array<Rgb, kShadeCount> kShadeTargets{
    {{187, 232, 184}, {128, 208, 128}, {96, 160, 96}}};

class GlyphSheetTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sheet_.Width(), kCellWidth * kGlyphCount); }

  Bounds Cell(int glyph, int shade) const {
    return {glyph * kCellWidth, shade * kBandHeight, (glyph + 1) * kCellWidth,
            shade * kBandHeight + kCellHeight};
  }

  // Which pixels of a cell are ink, row by row.
  std::vector<bool> Shape(int glyph, int shade) const {
    std::vector<bool> shape;
    const Bounds cell = Cell(glyph, shade);
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) shape.push_back(IsInk(sheet_.At(x, y)));
    }
    return shape;
  }

  const Image sheet_ = LoadBitmap("glyphs.bmp");
};

TEST_F(GlyphSheetTest, BlankGlyphIsBlackInEveryBand) {
  EXPECT_TRUE(InkIn(sheet_, {0, 0, kCellWidth, sheet_.Height()}).empty());
}

TEST_F(GlyphSheetTest, SpareRowsOfEveryBandAreBlack) {
  for (int shade = 0; shade < kShadeCount; ++shade) {
    const int spare = shade * kBandHeight + kCellHeight;
    EXPECT_TRUE(InkIn(sheet_, {0, spare, sheet_.Width(), spare + 2}).empty()) << shade;
  }
}

TEST_F(GlyphSheetTest, EveryGlyphHasOneShapeInAllBands) {
  for (int glyph = 1; glyph < kGlyphCount; ++glyph) {
    EXPECT_EQ(Shape(glyph, 1), Shape(glyph, 0)) << "glyph " << glyph;
    EXPECT_EQ(Shape(glyph, 2), Shape(glyph, 0)) << "glyph " << glyph;
  }
}

// Columns of rain stand side by side; a gap keeps their glyphs from touching.
TEST_F(GlyphSheetTest, GlyphsKeepClearOfTheCellsSides) {
  for (int glyph = 1; glyph < kGlyphCount; ++glyph) {
    for (const int column : {0, kCellWidth - 1}) {
      const int x = glyph * kCellWidth + column;
      EXPECT_TRUE(InkIn(sheet_, {x, 0, x + 1, sheet_.Height()}).empty()) << "glyph " << glyph;
    }
  }
}

// Glyphs that share a shape but not ink would draw the same in the rain and in the message.
TEST_F(GlyphSheetTest, GlyphsOneToFortySixAreDrawnAndClearlyDistinct) {
  constexpr int kMinimumDifference = 8;
  for (int glyph = 1; glyph < kGlyphCount; ++glyph) {
    const std::vector<bool> shape = Shape(glyph, 0);
    EXPECT_GE(std::count(shape.begin(), shape.end(), true), kMinimumDifference) << glyph;
    for (int other = 1; other < glyph; ++other) {
      const std::vector<bool> otherShape = Shape(other, 0);
      int differing = 0;
      for (std::size_t i = 0; i < shape.size(); ++i) differing += shape[i] != otherShape[i];
      EXPECT_GE(differing, kMinimumDifference) << "glyphs " << other << " and " << glyph;
    }
  }
}

// The typed failure message, 40 36 _ 24 8 41 42 37 39 _ 45 _ 43 1 1 44, reads as one line of
// text only if its letters and digits stand on one baseline.
TEST_F(GlyphSheetTest, FailureMessageLettersShareABaseline) {
  const std::array<int, 12> kLettersAndDigits{40, 36, 24, 8, 41, 42, 37, 39, 43, 1, 44, 45};
  std::vector<int> bottoms;
  for (const int glyph : kLettersAndDigits) {
    const std::vector<InkPixel> ink = InkIn(sheet_, Cell(glyph, 0));
    ASSERT_FALSE(ink.empty());
    bottoms.push_back(ink.back().y);
  }
  EXPECT_EQ(*std::min_element(bottoms.begin(), bottoms.end()),
            *std::max_element(bottoms.begin(), bottoms.end()));
}

class ShadeBandTest : public GlyphSheetTest, public testing::WithParamInterface<int> {
 protected:
  Bounds Band() const {
    return {0, GetParam() * kBandHeight, sheet_.Width(), GetParam() * kBandHeight + kCellHeight};
  }
};

TEST_P(ShadeBandTest, BrightestColourIsTheShadesInk) {
  const Rgb target = kShadeTargets[static_cast<std::size_t>(GetParam())];
  Rgb brightest = kBlack;
  for (const InkPixel pixel : InkIn(sheet_, Band())) {
    const Rgb colour = sheet_.At(pixel.x, pixel.y);
    if (colour.r + colour.g + colour.b > brightest.r + brightest.g + brightest.b)
      brightest = colour;
  }
  constexpr int kTolerance = 12;
  EXPECT_NEAR(brightest.r, target.r, kTolerance);
  EXPECT_NEAR(brightest.g, target.g, kTolerance);
  EXPECT_NEAR(brightest.b, target.b, kTolerance);
}

// Edges are the ink at part strength, never another hue.
TEST_P(ShadeBandTest, EveryPixelIsTheInkAtSomeStrength) {
  const Rgb target = kShadeTargets[static_cast<std::size_t>(GetParam())];
  for (const InkPixel pixel : InkIn(sheet_, Band())) {
    const Rgb colour = sheet_.At(pixel.x, pixel.y);
    const double strength = static_cast<double>(colour.g) / target.g;
    ASSERT_NEAR(colour.r, target.r * strength, 1.5) << pixel.x << "," << pixel.y;
    ASSERT_NEAR(colour.b, target.b * strength, 1.5) << pixel.x << "," << pixel.y;
  }
}

INSTANTIATE_TEST_SUITE_P(Shades, ShadeBandTest, testing::Range(0, kShadeCount));

}  // namespace
}  // namespace quellar::art
