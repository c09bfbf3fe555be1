// Coverage masks: the image operations the art is composed with, and the anti-aliased shapes.

#include "tools/art/shapes.h"

#include <gtest/gtest.h>

#include "tools/art/image.h"

namespace quellar::art {
namespace {

TEST(BlendTest, MixesByCoverageAndRoundsToTheNearestLevel) {
  EXPECT_EQ(Blend(kBlack, {200, 100, 50}, 255), (Rgb{200, 100, 50}));
  EXPECT_EQ(Blend({9, 9, 9}, {200, 100, 50}, 0), (Rgb{9, 9, 9}));
  EXPECT_EQ(Blend(kBlack, {200, 100, 50}, 128), (Rgb{100, 50, 25}));
  // The faintest coverage still marks a bright channel, so a glyph's shape survives in
  // every shade.
  EXPECT_EQ(Blend(kBlack, {96, 160, 96}, 1), (Rgb{0, 1, 0}));
}

TEST(CoverageTest, InkBoundsSpanEveryMarkedPixel) {
  Coverage mask(6, 5);
  EXPECT_FALSE(mask.InkBounds().has_value());
  mask.Set(4, 1, 1);
  mask.Set(1, 3, 200);
  const Bounds bounds = mask.InkBounds().value();
  EXPECT_EQ(bounds.left, 1);
  EXPECT_EQ(bounds.top, 1);
  EXPECT_EQ(bounds.right, 5);
  EXPECT_EQ(bounds.bottom, 4);
}

TEST(ImageTest, PaintClipsAtTheEdges) {
  Image image(2, 2);
  Coverage mask(2, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) mask.Set(x, y, 255);
  }
  image.Paint(mask, 1, -1, {1, 2, 3});
  EXPECT_EQ(image.At(1, 0), (Rgb{1, 2, 3}));
  EXPECT_EQ(image.At(0, 0), kBlack);
  EXPECT_EQ(image.At(1, 1), kBlack);
  EXPECT_THROW(static_cast<void>(image.At(2, 0)), std::out_of_range);
}

TEST(RasterizeTest, EdgeThroughAPixelCoversItInProportion) {
  const Coverage mask = Rasterize(4, 1, [](double x, double) { return x < 2.5; });
  EXPECT_EQ(mask.At(1, 0), 255);
  EXPECT_EQ(mask.At(2, 0), 128);
  EXPECT_EQ(mask.At(3, 0), 0);
}

TEST(RoundedFrameTest, SidesAreSolidCornersSoftAndFieldEmpty) {
  constexpr int kWidth = 40;
  constexpr int kHeight = 20;
  const Coverage frame = RoundedFrame(kWidth, kHeight, 2, 6.0);
  for (int x = 8; x < kWidth - 8; ++x) {
    EXPECT_EQ(frame.At(x, 0), 255);
    EXPECT_EQ(frame.At(x, 1), 255);
    EXPECT_EQ(frame.At(x, kHeight - 1), 255);
    EXPECT_EQ(frame.At(x, 2), 0);
  }
  EXPECT_EQ(frame.At(0, 0), 0);
  EXPECT_GT(frame.At(1, 1), 0);
  EXPECT_LT(frame.At(1, 1), 255);
  EXPECT_EQ(frame.At(kWidth / 2, kHeight / 2), 0);
}

TEST(RoundedFrameTest, IsSymmetricAboutBothAxes) {
  constexpr int kWidth = 31;
  constexpr int kHeight = 14;
  const Coverage frame = RoundedFrame(kWidth, kHeight, 2, 5.0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(frame.At(x, y), frame.At(kWidth - 1 - x, y)) << x << "," << y;
      ASSERT_EQ(frame.At(x, y), frame.At(x, kHeight - 1 - y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace quellar::art
