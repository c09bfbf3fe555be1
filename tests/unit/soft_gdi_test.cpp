// Device contexts over pixel surfaces: clipping, selection, and decoding bitmap files.

#include "windows/softgdi/soft_gdi.h"

#include <gtest/gtest.h>

#include <vector>

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

struct ClipCase {
  std::int32_t x, y, width, height, sourceX, sourceY;
  Box written;
};

class CopyPixelsTest : public testing::TestWithParam<ClipCase> {};

TEST_P(CopyPixelsTest, ClipsToBothSurfaces) {
  const ClipCase& c = GetParam();
  const Surface source = Numbered(8, 6);
  Surface target(10, 5);
  const Box written = CopyPixels(target, c.x, c.y, c.width, c.height, source, c.sourceX, c.sourceY);
  EXPECT_EQ(written.x, c.written.x);
  EXPECT_EQ(written.y, c.written.y);
  EXPECT_EQ(written.width, c.written.width);
  EXPECT_EQ(written.height, c.written.height);
  for (std::int32_t y = 0; y < target.height; ++y) {
    for (std::int32_t x = 0; x < target.width; ++x) {
      const bool inside = x >= written.x && x < written.x + written.width && y >= written.y &&
                          y < written.y + written.height;
      const Pixel expected =
          inside ? source.At(x - c.x + c.sourceX, y - c.y + c.sourceY) : Pixel{0};
      ASSERT_EQ(target.At(x, y), expected) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CopyPixelsTest,
    testing::Values(ClipCase{0, 0, 4, 3, 0, 0, {0, 0, 4, 3}},
                    ClipCase{2, 1, 4, 3, 1, 2, {2, 1, 4, 3}},
                    ClipCase{-2, -1, 4, 3, 0, 0, {0, 0, 2, 2}},
                    ClipCase{8, 3, 4, 3, 0, 0, {8, 3, 2, 2}},
                    ClipCase{0, 0, 4, 3, 6, 5, {0, 0, 2, 1}},
                    ClipCase{0, 0, 4, 3, -1, -2, {1, 2, 3, 1}},
                    ClipCase{0, -100, 16, 20, 0, 0, {0, 0, 0, 0}},
                    ClipCase{0, 0, 20, 20, 0, 0, {0, 0, 8, 5}}));

class RecordingWindow : public WindowTarget {
 public:
  void ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const Surface& source, std::int32_t, std::int32_t) override {
    copies.push_back({x, y, width, height});
    lastSourceWidth = source.width;
  }
  std::vector<Box> copies;
  std::int32_t lastSourceWidth = 0;
};

TEST(SoftGdiTest, CopiesBetweenMemoryContextsAndToTheWindow) {
  SoftGdi gdi;
  RecordingWindow window;
  const Handle windowDc = gdi.CreateWindowDC(window);
  const Handle buffer = gdi.CreateCompatibleDC(windowDc);
  EXPECT_NE(gdi.SelectObject(buffer, gdi.CreateCompatibleBitmap(windowDc, 32, 20)), 0);
  const Handle sheet = gdi.CreateCompatibleDC(windowDc);
  gdi.SelectObject(sheet, gdi.AddBitmap(Numbered(16, 20)));

  ASSERT_TRUE(gdi.BitBlt(buffer, 16, 0, 16, 20, sheet, 0, 0, kSrcCopy));
  EXPECT_EQ(gdi.SurfaceOf(buffer)->At(15, 0), 0u) << "new bitmaps are black";
  EXPECT_EQ(gdi.SurfaceOf(buffer)->At(16, 0), 1u);
  ASSERT_TRUE(gdi.BitBlt(windowDc, 0, 0, 32, 20, buffer, 0, 0, kSrcCopy));
  ASSERT_EQ(window.copies.size(), 1u);
  EXPECT_EQ(window.lastSourceWidth, 32);

  EXPECT_FALSE(gdi.BitBlt(buffer, 0, 0, 16, 20, sheet, 0, 0, 0x00EE0086)) << "SRCPAINT";
  EXPECT_TRUE(gdi.DeleteDC(sheet));
  EXPECT_FALSE(gdi.DeleteDC(sheet));
  EXPECT_FALSE(gdi.BitBlt(buffer, 0, 0, 16, 20, sheet, 0, 0, kSrcCopy)) << "deleted source";
}

std::vector<std::uint8_t> BmpFile(std::int32_t width, std::int32_t height, std::uint16_t bits) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
  const std::size_t size = 54 + stride * static_cast<std::size_t>(height < 0 ? -height : height);
  std::vector<std::uint8_t> file(size, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(size));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;
  file[28] = static_cast<std::uint8_t>(bits);
  return file;
}

TEST(DecodeBmpTest, ReadsRowsBottomUpAndTopDown) {
  std::vector<std::uint8_t> bottomUp = BmpFile(2, 2, 24);
  bottomUp[54] = 0x30;  // first stored row is the bottom one: blue of (0, 1)
  bottomUp[54 + 8 + 2] = 0x40;  // second stored row: red of (0, 0)
  const Surface picture = std::get<Surface>(DecodeBmp(bottomUp));
  EXPECT_EQ(picture.At(0, 1), Rgb(0, 0, 0x30));
  EXPECT_EQ(picture.At(0, 0), Rgb(0x40, 0, 0));

  std::vector<std::uint8_t> topDown = BmpFile(2, -2, 24);
  topDown[54] = 0x30;
  EXPECT_EQ(std::get<Surface>(DecodeBmp(topDown)).At(0, 0), Rgb(0, 0, 0x30));
}

TEST(DecodeBmpTest, RejectsMalformedFilesWithAMessage) {
  const std::vector<std::uint8_t> good = BmpFile(3, 2, 24);
  std::vector<std::vector<std::uint8_t>> bad;
  bad.emplace_back(good.begin(), good.begin() + 20);      // header cut
  bad.emplace_back(good.begin(), good.end() - 1);         // pixels cut
  bad.push_back(good);
  bad.back()[0] = 'X';                                    // not a BMP
  bad.push_back(BmpFile(3, 2, 8));                        // palette
  bad.push_back(BmpFile(0, 2, 24));                       // empty
  bad.push_back(BmpFile(100000, 1, 24));                  // absurd
  bad.push_back(good);
  bad.back()[10] = 0xFF;                                  // pixel offset past the end
  for (std::size_t i = 0; i < bad.size(); ++i) {
    const DecodedBmp decoded = DecodeBmp(bad[i]);
    ASSERT_TRUE(std::holds_alternative<std::string>(decoded)) << "case " << i;
    EXPECT_FALSE(std::get<std::string>(decoded).empty());
  }
}

TEST(BitmapResourceTest, AMalformedResourceIsARuntimeErrorNamingIt) {
  SoftGdi gdi;
  const std::vector<std::uint8_t> truncated = {'B', 'M', 0, 0};
  try {
    gdi.AddBitmapResource(102, truncated);
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_NE(std::string(error.what()).find("bitmap resource 102"), std::string::npos);
  }
  EXPECT_THROW(gdi.AddBitmapResource(999, {}), RuntimeError);
}

struct ResourceSize {
  std::int16_t id;
  std::int32_t width;
  std::int32_t height;
};

TEST(BitmapResourceTest, EmbeddedBitmapsHaveTheirSizes) {
  for (const ResourceSize r : {ResourceSize{101, 752, 66}, ResourceSize{102, 271, 34},
                               ResourceSize{103, 592, 40}, ResourceSize{104, 430, 140},
                               ResourceSize{105, 450, 65}}) {
    const DecodedBmp decoded = DecodeBmp(resources::EmbeddedBitmap(r.id));
    ASSERT_TRUE(std::holds_alternative<Surface>(decoded)) << r.id;
    EXPECT_EQ(std::get<Surface>(decoded).width, r.width) << r.id;
    EXPECT_EQ(std::get<Surface>(decoded).height, r.height) << r.id;
  }
}

}  // namespace
}  // namespace quellar::softgdi
