// The icon writer, and the committed program icon: three square images of 16, 24 and 32
// pixels in the classic 16-colour form (4-bit colour plane and 1-bit transparency mask).

#include "tools/art/ico_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "tests/art/resource_files.h"
#include "tools/art/byte_io.h"

namespace quellar::art {
namespace {

// One image of an icon file, read back field by field.
struct ReadImage {
  int size = 0;
  std::uint8_t colourCount = 0;
  std::uint16_t bitsPerPixel = 0;
  std::int32_t dibHeight = 0;
  std::vector<std::uint8_t> colours;  // top-down
  std::vector<bool> transparent;      // top-down
};

std::uint32_t Stride(int size, int bits) {
  return static_cast<std::uint32_t>((size * bits + 31) / 32 * 4);
}

// Fails the calling test and gives nothing when the file does not hold what its directory says.
std::optional<std::vector<ReadImage>> ReadIco(const std::vector<std::uint8_t>& bytes) {
  if (GetU16(bytes, 0) != 0 || GetU16(bytes, 2) != 1) return std::nullopt;
  std::vector<ReadImage> images;
  for (std::uint16_t entry = 0; entry < GetU16(bytes, 4).value_or(0); ++entry) {
    const std::size_t at = 6u + 16u * entry;
    if (bytes.size() < at + 16) return std::nullopt;
    ReadImage image;
    image.size = bytes[at];
    image.colourCount = bytes[at + 2];
    image.bitsPerPixel = GetU16(bytes, at + 6).value();
    const std::uint32_t length = GetU32(bytes, at + 8).value();
    const std::uint32_t offset = GetU32(bytes, at + 12).value();
    const std::uint32_t xor_ = Stride(image.size, 4) * static_cast<std::uint32_t>(image.size);
    const std::uint32_t and_ = Stride(image.size, 1) * static_cast<std::uint32_t>(image.size);
    if (bytes.size() < std::size_t{offset} + length || length != 40 + 64 + xor_ + and_) {
      return std::nullopt;
    }
    image.dibHeight = static_cast<std::int32_t>(GetU32(bytes, offset + 8).value());
    const std::size_t colourPlane = offset + 40 + 64;
    const std::size_t maskPlane = colourPlane + xor_;
    for (int y = 0; y < image.size; ++y) {
      const auto stored = static_cast<std::size_t>(image.size - 1 - y);
      for (int x = 0; x < image.size; ++x) {
        const auto column = static_cast<std::size_t>(x);
        const std::uint8_t pair = bytes[colourPlane + stored * Stride(image.size, 4) + column / 2];
        image.colours.push_back(static_cast<std::uint8_t>(x % 2 == 0 ? pair >> 4 : pair & 0x0F));
        const std::uint8_t bits = bytes[maskPlane + stored * Stride(image.size, 1) + column / 8];
        image.transparent.push_back((bits & (0x80 >> (x % 8))) != 0);
      }
    }
    images.push_back(image);
  }
  return images;
}

IconPalette Greys() {
  IconPalette palette{};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const auto level = static_cast<std::uint8_t>(i * 17);
    palette[i] = {level, level, level};
  }
  return palette;
}

IconImage Checked(int size) {
  IconImage image{size, {}, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool transparent = (x + y) % 5 == 0;
      image.transparent.push_back(transparent);
      image.colours.push_back(static_cast<std::uint8_t>(transparent ? 0 : (x * 3 + y) % 16));
    }
  }
  return image;
}

TEST(IcoFileTest, ImagesReadBackPixelForPixel) {
  const std::vector<IconImage> written{Checked(16), Checked(24), Checked(32)};
  const auto read = ReadIco(EncodeIco(Greys(), written));
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    EXPECT_EQ((*read)[i].size, written[i].size);
    EXPECT_EQ((*read)[i].dibHeight, 2 * written[i].size);  // colour plane and mask
    EXPECT_EQ((*read)[i].colours, written[i].colours);
    EXPECT_EQ((*read)[i].transparent, written[i].transparent);
  }
}

TEST(IcoFileTest, RefusesAnImageWhosePlanesDoNotMatchItsSize) {
  IconImage image = Checked(16);
  image.colours.pop_back();
  EXPECT_THROW(EncodeIco(Greys(), std::vector{image}), std::invalid_argument);
}

TEST(ProgramIconTest, HoldsSixteenColourImagesOf16And24And32Pixels) {
  const auto images = ReadIco(ReadResource("quellar.ico"));
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 3u);
  const int sizes[] = {16, 24, 32};
  for (std::size_t i = 0; i < images->size(); ++i) {
    const ReadImage& image = (*images)[i];
    EXPECT_EQ(image.size, sizes[i]);
    EXPECT_EQ(image.colourCount, 16);
    EXPECT_EQ(image.bitsPerPixel, 4);
  }
}

// A round emblem: the corners show the desktop, the middle is opaque, and transparent pixels
// carry colour 0 so that the mask alone decides what shows.
TEST(ProgramIconTest, EmblemIsOpaqueInsideItsCircleOnly) {
  const auto images = ReadIco(ReadResource("quellar.ico"));
  ASSERT_TRUE(images.has_value());
  for (const ReadImage& image : *images) {
    const int last = image.size - 1;
    for (const int at : {0, last, last * image.size, last * image.size + last}) {
      EXPECT_TRUE(image.transparent[static_cast<std::size_t>(at)]) << image.size;
    }
    const auto middle = static_cast<std::size_t>(image.size / 2 * image.size + image.size / 2);
    EXPECT_FALSE(image.transparent[middle]) << image.size;
    for (std::size_t i = 0; i < image.colours.size(); ++i) {
      if (image.transparent[i]) {
        ASSERT_EQ(image.colours[i], 0) << image.size;
      }
    }
  }
}

}  // namespace
}  // namespace quellar::art
