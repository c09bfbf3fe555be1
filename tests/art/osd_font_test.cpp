// The on-screen display font, bitmap 103: 37 cells of 16 x 40 pixels (blank, 0-9, A-Y, colon)
// in pure green. The display copies whole cells under the rain's second and third rows, so ink
// must stay within rows 3-36 of a cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/art/resource_files.h"

namespace quellar::art {
namespace {

constexpr int kCellWidth = 16;
constexpr int kCellHeight = 40;
constexpr int kCellCount = 37;
constexpr int kFirstInkRow = 3;
constexpr int kLastInkRow = 36;

class OsdFontTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(font_.Width(), kCellWidth * kCellCount);
    ASSERT_EQ(font_.Height(), kCellHeight);
  }

  std::vector<InkPixel> Ink(int cell, int top = 0, int bottom = kCellHeight) const {
    return InkIn(font_, {cell * kCellWidth, top, (cell + 1) * kCellWidth, bottom});
  }

  const Image font_ = LoadBitmap("osdfont.bmp");
};

TEST_F(OsdFontTest, BlankCellIsBlack) {
  EXPECT_TRUE(Ink(0).empty());
}

TEST_F(OsdFontTest, EveryCharacterIsDrawn) {
  for (int cell = 1; cell < kCellCount; ++cell) EXPECT_FALSE(Ink(cell).empty()) << cell;
}

TEST_F(OsdFontTest, InkStaysWithinRowsThreeToThirtySix) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    EXPECT_TRUE(Ink(cell, 0, kFirstInkRow).empty()) << cell;
    EXPECT_TRUE(Ink(cell, kLastInkRow + 1, kCellHeight).empty()) << cell;
  }
}

// Characters written side by side must not run into each other.
TEST_F(OsdFontTest, CharactersKeepClearOfTheCellsSides) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    for (const int column : {0, kCellWidth - 1}) {
      const int x = cell * kCellWidth + column;
      EXPECT_TRUE(InkIn(font_, {x, 0, x + 1, kCellHeight}).empty()) << cell;
    }
  }
}

TEST_F(OsdFontTest, InkIsPureGreenReachingFullStrength) {
  for (int cell = 1; cell < kCellCount; ++cell) {
    int strongest = 0;
    for (const InkPixel pixel : Ink(cell)) {
      const Rgb colour = font_.At(pixel.x, pixel.y);
      ASSERT_EQ(colour.r, 0) << cell;
      ASSERT_EQ(colour.b, 0) << cell;
      strongest = std::max(strongest, static_cast<int>(colour.g));
    }
    EXPECT_EQ(strongest, 255) << cell;
  }
}

// Grey edge pixels keep the characters from looking jagged when copied onto the screen.
TEST_F(OsdFontTest, EdgesAreSoft) {
  for (int cell = 1; cell < kCellCount; ++cell) {
    int soft = 0;
    for (const InkPixel pixel : Ink(cell)) soft += font_.At(pixel.x, pixel.y).g < 255;
    EXPECT_GT(soft, 0) << cell;
  }
}

// Cell 1 is the zero and cell 25 the letter O; only the slash tells them apart.
TEST_F(OsdFontTest, ZeroIsSlashedAndDiffersFromO) {
  constexpr int kZero = 1;
  constexpr int kLetterO = 25;
  int differing = 0;
  for (int y = 0; y < kCellHeight; ++y) {
    for (int x = 0; x < kCellWidth; ++x) {
      differing += IsInk(font_.At(kZero * kCellWidth + x, y)) !=
                   IsInk(font_.At(kLetterO * kCellWidth + x, y));
    }
  }
  EXPECT_GE(differing, 10);
}

}  // namespace
}  // namespace quellar::art
