// Every bitmap resource in the one form every loader takes: 24 bits per pixel, uncompressed,
// bottom-up rows, at the size its users copy from.

#include "tests/art/resource_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "tools/art/bmp_file.h"

namespace quellar::art {
namespace {

struct BitmapCase {
  const char* name;
  std::int32_t width;
  std::int32_t height;

  friend void PrintTo(const BitmapCase& value, std::ostream* out) { *out << value.name; }
};

class BitmapResourceTest : public testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapResourceTest, HasTheLoadersFormatAndItsSize) {
  const std::vector<std::uint8_t> bytes = ReadResource(GetParam().name);
  const auto header = ReadBmpHeader(bytes);
  ASSERT_TRUE(header.has_value()) << GetParam().name;
  EXPECT_EQ(header->width, GetParam().width);
  EXPECT_EQ(header->height, GetParam().height);  // positive: bottom-up
  EXPECT_EQ(header->bitsPerPixel, 24);
  EXPECT_EQ(header->compression, 0u);  // BI_RGB
  EXPECT_EQ(header->fileSize, bytes.size());
  EXPECT_TRUE(DecodeBmp(bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapResourceTest,
                         testing::Values(BitmapCase{"glyphs.bmp", 752, 66},
                                         BitmapCase{"failbox.bmp", 271, 34},
                                         BitmapCase{"osdfont.bmp", 592, 40},
                                         BitmapCase{"help.bmp", 430, 140},
                                         BitmapCase{"banner.bmp", 450, 65}),
                         NameAfterFile());

}  // namespace
}  // namespace quellar::art
