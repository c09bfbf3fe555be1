// Device contexts over pixel surfaces: clipping, selection, and decoding bitmap files.

#include "windows/softgdi/soft_gdi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/runtime_error.h"
#include "resources/embedded.h"
#include "windows/softgdi/bmp.h"

namespace quellar::softgdi {
namespace {

Surface Numbered(std::int32_t width, std::int32_t height) {
  Surface surface(width, height);
  for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
    surface.pixels[i] = static_cast<Pixel>(i + 1);
  }
  return surface;
}

TEST(CopyPixelsTest, ClipsToBothSurfaces) {
  struct Case {
    std::int32_t x, y, width, height, sourceX, sourceY;
    Box written;
  };
  const Surface source = Numbered(8, 6);
  for (const Case& c : std::initializer_list<Case>{{0, 0, 4, 3, 0, 0, {0, 0, 4, 3}},
                                                   {2, 1, 4, 3, 1, 2, {2, 1, 4, 3}},
                                                   {-2, -1, 4, 3, 0, 0, {0, 0, 2, 2}},
                                                   {8, 3, 4, 3, 0, 0, {8, 3, 2, 2}},
                                                   {0, 0, 4, 3, 6, 5, {0, 0, 2, 1}},
                                                   {0, 0, 4, 3, -1, -2, {1, 2, 3, 1}},
                                                   {0, -100, 16, 20, 0, 0, {0, 0, 0, 0}},
                                                   {0, 0, 20, 20, 0, 0, {0, 0, 8, 5}}}) {
    Surface target(10, 5);
    const Box written =
        CopyPixels(target, c.x, c.y, c.width, c.height, source, c.sourceX, c.sourceY);
    EXPECT_EQ(written, c.written) << c.x << "," << c.y;
    for (std::int32_t y = 0; y < target.height; ++y) {
      for (std::int32_t x = 0; x < target.width; ++x) {
        const bool inside = x >= written.x && x < written.x + written.width && y >= written.y &&
                            y < written.y + written.height;
        ASSERT_EQ(target.At(x, y),
                  inside ? source.At(x - c.x + c.sourceX, y - c.y + c.sourceY) : Pixel{0})
            << x << "," << y;
      }
    }
  }
}

TEST(SoftGdiTest, CopiesWithSourceCopyBetweenLiveContextsOnly) {
  SoftGdi gdi;
  const Handle buffer = gdi.CreateCompatibleDC(0);
  EXPECT_NE(gdi.SelectObject(buffer, gdi.CreateCompatibleBitmap(buffer, 32, 20)), 0);
  const Handle sheet = gdi.CreateCompatibleDC(0);
  gdi.SelectObject(sheet, gdi.AddBitmap(Numbered(16, 20)));
  ASSERT_TRUE(gdi.BitBlt(buffer, 16, 0, 16, 20, sheet, 0, 0, kSrcCopy));
  EXPECT_EQ(gdi.SurfaceOf(buffer)->At(15, 0), 0u) << "new bitmaps are black";
  EXPECT_EQ(gdi.SurfaceOf(buffer)->At(16, 0), 1u);
  EXPECT_FALSE(gdi.BitBlt(buffer, 0, 0, 16, 20, sheet, 0, 0, 0x00EE0086)) << "SRCPAINT";
  EXPECT_TRUE(gdi.DeleteDC(sheet));
  EXPECT_FALSE(gdi.DeleteDC(sheet));
  EXPECT_FALSE(gdi.BitBlt(buffer, 0, 0, 16, 20, sheet, 0, 0, kSrcCopy)) << "deleted source";
}

// The glyph sheet's file: bottom-up as committed, top-down with its height negated, and damaged.
TEST(DecodeBmpTest, ReadsBothRowOrdersAndRejectsDamageWithAMessage) {
  const std::span<const std::uint8_t> file = resources::EmbeddedBitmap(101);
  const std::vector<std::uint8_t> good(file.begin(), file.end());
  const auto changed = [&good](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> bytes = good;
    bytes[at] = value;
    return bytes;
  };
  const auto cut = [&good](std::size_t size) {
    return std::vector<std::uint8_t>(good.begin(),
                                     good.begin() + static_cast<std::ptrdiff_t>(size));
  };
  const Surface picture = std::get<Surface>(DecodeBmp(good));
  std::vector<std::uint8_t> topDown = changed(22, static_cast<std::uint8_t>(-picture.height));
  std::fill(topDown.begin() + 23, topDown.begin() + 26, 0xFF);
  const Surface flipped = std::get<Surface>(DecodeBmp(topDown));
  for (std::int32_t y = 0; y < picture.height; ++y) {
    for (std::int32_t x = 0; x < picture.width; ++x) {
      ASSERT_EQ(picture.At(x, y), flipped.At(x, picture.height - 1 - y)) << x << "," << y;
    }
  }
  for (const auto& bad : {cut(20), cut(good.size() - 1), changed(0, 'X'), changed(28, 8),
                          changed(19, 0x10) /* rows wider than the file holds */,
                          changed(21, 1) /* a width of millions */, changed(13, 0xFF)}) {
    const DecodedBmp decoded = DecodeBmp(bad);
    ASSERT_TRUE(std::holds_alternative<std::string>(decoded));
    EXPECT_FALSE(std::get<std::string>(decoded).empty());
  }
}

TEST(BitmapResourceTest, AMalformedResourceIsARuntimeErrorNamingIt) {
  SoftGdi gdi;
  const std::vector<std::uint8_t> truncated = {'B', 'M', 0, 0};
  try {
    gdi.AddBitmapResource(102, truncated);
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_THAT(error.what(), testing::HasSubstr("bitmap resource 102"));
  }
}

}  // namespace
}  // namespace quellar::softgdi
