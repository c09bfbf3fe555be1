// The bitmap writer and reader: rows padded to four bytes and stored bottom-up, colours as
// blue, green, red.

#include "tools/art/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quellar::art {
namespace {

Image Pattern(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Set(x, y,
                {static_cast<std::uint8_t>(x * 40 + 1), static_cast<std::uint8_t>(y * 50 + 2),
                 static_cast<std::uint8_t>(x + y + 3)});
    }
  }
  return image;
}

struct SizeCase {
  int width;
  int height;
  std::size_t rowBytes;  // three bytes a pixel, padded to four
};

class BmpSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(BmpSizeTest, RoundTripKeepsEveryPixel) {
  const Image image = Pattern(GetParam().width, GetParam().height);
  EXPECT_EQ(DecodeBmp(EncodeBmp(image)), image);
}

TEST_P(BmpSizeTest, PadsEveryRowToFourBytes) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(Pattern(GetParam().width, GetParam().height));
  const std::size_t pixelBytes = GetParam().rowBytes * static_cast<std::size_t>(GetParam().height);
  EXPECT_EQ(bytes.size(), 54 + pixelBytes);
  const auto header = ReadBmpHeader(bytes);
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->fileSize, bytes.size());
  EXPECT_EQ(header->pixelOffset, 54u);
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpSizeTest,
                         testing::Values(SizeCase{1, 1, 4}, SizeCase{2, 3, 8}, SizeCase{3, 2, 12},
                                         SizeCase{4, 1, 12}, SizeCase{5, 2, 16},
                                         SizeCase{271, 2, 816}));

TEST(BmpFileTest, StoresTheBottomRowFirstInBlueGreenRedOrder) {
  Image image(1, 2);
  image.Set(0, 0, {10, 20, 30});
  image.Set(0, 1, {40, 50, 60});
  const std::vector<std::uint8_t> bytes = EncodeBmp(image);
  ASSERT_EQ(bytes.size(), 62u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()),
            (std::vector<std::uint8_t>{60, 50, 40, 0, 30, 20, 10, 0}));
}

// Byte offsets of header fields a damaged file might carry.
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitsField = 28;

TEST(BmpFileTest, RejectsWhatTheProgramsLoadersWouldNotTake) {
  const std::vector<std::uint8_t> good = EncodeBmp(Pattern(3, 2));
  ASSERT_TRUE(DecodeBmp(good).has_value());

  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
  EXPECT_FALSE(DecodeBmp(truncated).has_value());

  std::vector<std::uint8_t> notBitmap = good;
  notBitmap[0] = 'X';
  EXPECT_FALSE(ReadBmpHeader(notBitmap).has_value());

  std::vector<std::uint8_t> topDown = good;
  topDown[kHeightField + 3] = 0xFF;  // a negative height
  EXPECT_FALSE(DecodeBmp(topDown).has_value());

  std::vector<std::uint8_t> paletted = good;
  paletted[kBitsField] = 8;
  EXPECT_FALSE(DecodeBmp(paletted).has_value());

  EXPECT_FALSE(ReadBmpHeader(std::vector<std::uint8_t>(good.begin(), good.begin() + 20)));
}

}  // namespace
}  // namespace quellar::art
