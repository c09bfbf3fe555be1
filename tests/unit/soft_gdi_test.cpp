// Pixel surfaces: copies clipped to both sides, windows sent only what changed, and bitmap
// resources that must be whole.

#include "platforms/softgdi/soft_gdi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/runtime_error.h"
#include "resources/embedded.h"

namespace quellar::softgdi {
namespace {

Surface Numbered(std::int32_t width, std::int32_t height) {
  Surface surface(width, height);
  const std::span<Pixel> pixels = surface.Pixels();
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<Pixel>(i + 1);
  return surface;
}

TEST(CopyPixelsTest, ClipsToBothSurfaces) {
  struct Case {
    std::int32_t x, y, width, height, sourceX, sourceY;
    Box written;
  };
  const Surface source = Numbered(8, 6);
  for (const Case& c :
       {Case{0, 0, 4, 3, 0, 0, {0, 0, 4, 3}}, Case{2, 1, 4, 3, 1, 2, {2, 1, 4, 3}},
        Case{-2, -1, 4, 3, 0, 0, {0, 0, 2, 2}}, Case{8, 3, 4, 3, 0, 0, {8, 3, 2, 2}},
        Case{0, 0, 4, 3, 6, 5, {0, 0, 2, 1}}, Case{0, 0, 4, 3, -1, -2, {1, 2, 3, 1}},
        Case{0, -100, 16, 20, 0, 0, {0, 0, 0, 0}}, Case{0, 0, 20, 20, 0, 0, {0, 0, 8, 5}}}) {
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

// Keeps the boxes of each copy that the window is told may have changed.
class ChangesSeen : public WindowTarget {
 public:
  void ReceiveChanges(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const Surface&,
                      std::int32_t, std::int32_t, std::span<const Box> changed) override {
    seen.emplace_back(changed.begin(), changed.end());
  }
  std::vector<std::vector<Box>> seen;
};

// Two back buffers, one per monitor, presented in turn to their parts of one window: each
// copy sends only what changed in its own buffer since that buffer was last presented.
TEST(WindowCopyTest, BuffersSideBySideSendOnlyTheirOwnChanges) {
  SoftGdi gdi;
  ChangesSeen window;
  const Handle windowDc = gdi.CreateWindowDC(window);
  const Handle cell = gdi.CreateCompatibleDC(windowDc);
  gdi.SelectObject(cell, gdi.AddBitmap(Numbered(16, 20)));
  std::array<Handle, 2> buffers{};
  for (Handle& buffer : buffers) {
    buffer = gdi.CreateCompatibleDC(windowDc);
    gdi.SelectObject(buffer, gdi.CreateCompatibleBitmap(windowDc, 64, 40));
  }
  const auto presentBoth = [&] {
    gdi.BitBlt(windowDc, 0, 0, 64, 40, buffers[0], 0, 0, kSrcCopy);
    gdi.BitBlt(windowDc, 64, 0, 64, 40, buffers[1], 0, 0, kSrcCopy);
  };
  presentBoth();
  gdi.BitBlt(buffers[1], 16, 20, 16, 20, cell, 0, 0, kSrcCopy);
  presentBoth();
  using Boxes = std::vector<Box>;
  EXPECT_EQ(window.seen,
            std::vector<Boxes>({{{0, 0, 64, 40}}, {{64, 0, 64, 40}}, {}, {{80, 20, 16, 20}}}));
}

// The glyph sheet's file, cut short or damaged, is a run-time error that names the resource.
// Past its most boxes a damage keeps one box around all it was given: nothing written is lost.
TEST(DamageTest, PastItsMostBoxesItKeepsTheirBoundingBox) {
  Damage damage(3);
  for (const Box box : {Box{10, 10, 16, 20}, Box{100, 40, 16, 20}, Box{50, 0, 16, 20}}) {
    damage.Add(box);
  }
  EXPECT_EQ(damage.Boxes().size(), 3u);
  damage.Add({0, 300, 16, 20});
  ASSERT_EQ(damage.Boxes().size(), 1u);
  EXPECT_EQ(damage.Boxes()[0], (Box{0, 0, 116, 320}));
}

TEST(BitmapResourceTest, ADamagedResourceIsARuntimeErrorNamingIt) {
  const std::span<const std::uint8_t> file = resources::EmbeddedBitmap(101);
  SoftGdi gdi;
  EXPECT_NE(gdi.AddBitmapResource(101, file), 0);
  const auto changed = [file](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> bytes(file.begin(), file.end());
    bytes[at] = value;
    return bytes;
  };
  using Bytes = std::vector<std::uint8_t>;
  for (const Bytes& bad :
       {Bytes(file.begin(), file.begin() + 20), Bytes(file.begin(), file.end() - 1),
        changed(0, 'X'), changed(28, 8) /* a palette */,
        changed(19, 0x10) /* rows wider than the file holds */,
        changed(21, 1) /* a width of millions */, changed(13, 0xFF)}) {
    EXPECT_THAT([&] { gdi.AddBitmapResource(101, bad); },
                testing::ThrowsMessage<RuntimeError>(testing::HasSubstr("bitmap resource 101")));
  }
}

}  // namespace
}  // namespace quellar::softgdi
