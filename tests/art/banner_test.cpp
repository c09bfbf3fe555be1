// The settings dialog's banner (resource 105), 450 x 65. The dialog draws its version label
// over it at x 164-194, y 40-54, a line over rows 63-64, and cuts off its last column.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/art/resource_files.h"

namespace quellar::art {
namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 65;

class BannerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(banner_.Width(), kWidth);
    ASSERT_EQ(banner_.Height(), kHeight);
  }

  const Image banner_ = LoadBitmap("banner.bmp");
};

TEST_F(BannerTest, LeavesRoomForTheVersionLabel) {
  EXPECT_TRUE(InkIn(banner_, {164, 40, 195, 55}).empty());
}

TEST_F(BannerTest, KeepsArtFromWhatTheDialogHidesOrCovers) {
  EXPECT_TRUE(InkIn(banner_, {kWidth - 1, 0, kWidth, kHeight}).empty());
  EXPECT_TRUE(InkIn(banner_, {0, 63, kWidth, kHeight}).empty());
}

TEST_F(BannerTest, WordmarkOnTheLeftIsGreen) {
  const std::vector<InkPixel> ink = InkIn(banner_, {0, 0, 164, kHeight});
  ASSERT_GT(ink.size(), 500u);
  for (const InkPixel pixel : ink) {
    const Rgb colour = banner_.At(pixel.x, pixel.y);
    ASSERT_GE(colour.g, colour.r) << pixel.x << "," << pixel.y;
    ASSERT_GE(colour.g, colour.b) << pixel.x << "," << pixel.y;
  }
}

TEST_F(BannerTest, MakerLineOnTheRightIsWhite) {
  int white = 0;
  for (const InkPixel pixel : InkIn(banner_, {200, 0, 385, kHeight})) {
    const Rgb colour = banner_.At(pixel.x, pixel.y);
    EXPECT_TRUE(colour.r == colour.g && colour.g == colour.b) << pixel.x << "," << pixel.y;
    white += colour == Rgb{255, 255, 255};
  }
  EXPECT_GT(white, 30);
}

// A round emblem looks the same mirrored left to right, give or take its streaks' lengths:
// its outline, the outermost ink of each row, is symmetric about its middle.
TEST_F(BannerTest, EmblemAtTheRightEdgeIsRound) {
  const std::vector<InkPixel> ink = InkIn(banner_, {388, 0, kWidth, kHeight});
  ASSERT_FALSE(ink.empty());
  int left = kWidth;
  int right = 0;
  for (const InkPixel pixel : ink) {
    left = std::min(left, pixel.x);
    right = std::max(right, pixel.x);
  }
  const int top = ink.front().y;
  const int bottom = ink.back().y;
  EXPECT_NEAR(right - left, bottom - top, 1);
  for (int y = top; y <= bottom; ++y) {
    int rowLeft = kWidth;
    int rowRight = 0;
    for (const InkPixel pixel : ink) {
      if (pixel.y != y) continue;
      rowLeft = std::min(rowLeft, pixel.x);
      rowRight = std::max(rowRight, pixel.x);
    }
    EXPECT_NEAR(rowLeft - left, right - rowRight, 1) << "row " << y;
  }
}

}  // namespace
}  // namespace quellar::art
