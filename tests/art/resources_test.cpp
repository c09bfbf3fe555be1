// The committed resources, the files the program embeds: the layouts and colours the engine
// relies on when it copies cells and panels out of the bitmaps, and the program icon.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "platforms/softgdi/bmp.h"
#include "resources/embedded.h"
#include "tools/art/byte_io.h"
#include "tools/art/image.h"

namespace quellar::art {
namespace {

using softgdi::Surface;

// The bytes of resources/<name>; empty when the file is missing.
std::vector<std::uint8_t> ReadResource(const std::string& name) {
  std::ifstream file(std::string(QUELLAR_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The bitmap resources/<name> as the program's loader reads it. It must be 24 bits a pixel,
// uncompressed and bottom-up, the one form every loader takes: anything else fails the calling
// test and gives an empty surface.
Surface LoadBitmap(const std::string& name) {
  const std::vector<std::uint8_t> file = ReadResource(name);
  softgdi::DecodedBmp decoded = softgdi::DecodeBmp(file);
  const bool bottomUp = static_cast<std::int32_t>(GetU32(file, 22).value_or(0)) > 0;
  if (std::holds_alternative<Surface>(decoded) && GetU16(file, 28) == 24 && bottomUp) {
    return std::get<Surface>(std::move(decoded));
  }
  ADD_FAILURE() << name << " is not a 24-bit bottom-up bitmap";
  return {};
}

Rgb RgbAt(const Surface& surface, int x, int y) {
  const softgdi::Pixel pixel = surface.At(x, y);
  return {std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel)};
}

struct InkPixel {
  int x, y;
};

// The pixels inside the rectangle that are not `background` (black: the ink), in reading order.
std::vector<InkPixel> InkIn(const Surface& image, const Bounds& area, Rgb background = kBlack) {
  std::vector<InkPixel> ink;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (RgbAt(image, x, y) != background) ink.push_back({x, y});
    }
  }
  return ink;
}

Bounds BoundsOf(const std::vector<InkPixel>& pixels) {
  Bounds bounds{pixels.front().x, pixels.front().y, pixels.front().x + 1, pixels.front().y + 1};
  for (const InkPixel pixel : pixels) {
    bounds = {std::min(bounds.left, pixel.x), std::min(bounds.top, pixel.y),
              std::max(bounds.right, pixel.x + 1), std::max(bounds.bottom, pixel.y + 1)};
  }
  return bounds;
}

// Every ink pixel is `colour` at some strength, as anti-aliased edges are, and the strongest is
// `colour` itself within `tolerance`.
void ExpectInkOfOneColour(const Surface& image, const Bounds& area, Rgb colour, int tolerance) {
  Rgb strongest = kBlack;
  for (const InkPixel pixel : InkIn(image, area)) {
    const Rgb ink = RgbAt(image, pixel.x, pixel.y);
    const double strength = static_cast<double>(ink.g) / colour.g;
    ASSERT_NEAR(ink.r, colour.r * strength, 1.5) << pixel.x << "," << pixel.y;
    ASSERT_NEAR(ink.b, colour.b * strength, 1.5) << pixel.x << "," << pixel.y;
    if (ink.g > strongest.g) strongest = ink;
  }
  EXPECT_TRUE(std::abs(strongest.r - colour.r) <= tolerance &&
              std::abs(strongest.g - colour.g) <= tolerance &&
              std::abs(strongest.b - colour.b) <= tolerance)
      << +strongest.r << "," << +strongest.g << "," << +strongest.b;
}

TEST(BitmapsTest, TheProgramEmbedsTheCommittedFilesAtTheirSizes) {
  struct Case {
    std::int16_t id;
    const char* name;
    int width, height;
  };
  for (const Case& c : {Case{101, "glyphs.bmp", 752, 66}, Case{102, "failbox.bmp", 271, 34},
                        Case{103, "osdfont.bmp", 592, 40}, Case{104, "help.bmp", 430, 140},
                        Case{105, "banner.bmp", 450, 65}}) {
    const std::vector<std::uint8_t> file = ReadResource(c.name);
    const std::span<const std::uint8_t> embedded = resources::EmbeddedBitmap(c.id);
    EXPECT_TRUE(std::ranges::equal(file, embedded)) << c.name;
    const Surface image = LoadBitmap(c.name);
    EXPECT_EQ(std::pair(image.width, image.height), std::pair(c.width, c.height)) << c.name;
  }
}

// Glyph g in shade s is the 16 x 20 cell at (16 g, 22 s). Glyph 0 erases; every other glyph has
// one shape in all three bands, which differ only in colour.
TEST(GlyphSheetTest, GlyphsKeepTheirShapeInEveryBandAndGlyphZeroIsBlack) {
  const Surface sheet = LoadBitmap("glyphs.bmp");
  const auto shape = [&sheet](int glyph, int shade) {
    std::vector<bool> ink;
    for (int y = 22 * shade; y < 22 * shade + 20; ++y) {
      for (int x = 16 * glyph; x < 16 * glyph + 16; ++x) ink.push_back(sheet.At(x, y) != 0);
    }
    return ink;
  };
  EXPECT_TRUE(InkIn(sheet, {0, 0, 16, 66}).empty());
  for (int glyph = 1; glyph < 47; ++glyph) {
    const std::vector<bool> head = shape(glyph, 0);
    EXPECT_GE(std::ranges::count(head, true), 8) << "glyph " << glyph;
    EXPECT_EQ(shape(glyph, 1), head) << "glyph " << glyph;
    EXPECT_EQ(shape(glyph, 2), head) << "glyph " << glyph;
  }
  const std::array<Rgb, 3> peaks{{{187, 232, 184}, {128, 208, 128}, {96, 160, 96}}};
  for (int shade = 0; shade < 3; ++shade) {
    SCOPED_TRACE(shade);
    ExpectInkOfOneColour(sheet, {0, 22 * shade, 752, 22 * shade + 22},
                         peaks[static_cast<std::size_t>(shade)], 12);
  }
}

// Cell k of 16 x 40: blank, the digits, A to Y and the colon, pure green, within rows 3 to 36.
TEST(OsdFontTest, EveryCharacterIsDrawnInItsCellInPureGreen) {
  const Surface font = LoadBitmap("osdfont.bmp");
  EXPECT_TRUE(InkIn(font, {0, 0, 16, 40}).empty()) << "the blank";
  for (int cell = 1; cell < 37; ++cell) {
    const std::vector<InkPixel> ink = InkIn(font, {16 * cell, 0, 16 * cell + 16, 40});
    ASSERT_FALSE(ink.empty()) << cell;
    EXPECT_GE(ink.front().y, 3) << cell;
    EXPECT_LE(ink.back().y, 36) << cell;
  }
  ExpectInkOfOneColour(font, {0, 0, 592, 40}, {0, 255, 0}, 0);
}

constexpr Rgb kPanelGreen{56, 156, 50};

// The failure box and the help panel: green lettering inside a two-pixel green frame with
// softened corners, on black.
TEST(PanelsTest, AreFramedInGreenWithSoftCorners) {
  for (const char* name : {"failbox.bmp", "help.bmp"}) {
    SCOPED_TRACE(name);
    const Surface panel = LoadBitmap(name);
    const int w = panel.width;
    const int h = panel.height;
    // Away from the corners, two pixels of frame along every side, then two of black field.
    for (const auto& [d, colour] : {std::pair{0, kPanelGreen}, std::pair{2, kBlack}}) {
      EXPECT_TRUE(InkIn(panel, {8, d, w - 8, d + 2}, colour).empty() &&
                  InkIn(panel, {8, h - d - 2, w - 8, h - d}, colour).empty() &&
                  InkIn(panel, {d, 8, d + 2, h - 8}, colour).empty() &&
                  InkIn(panel, {w - d - 2, 8, w - d, h - 8}, colour).empty())
          << "at depth " << d;
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
      EXPECT_LT(RgbAt(panel, x, y).g, kPanelGreen.g / 2) << "corner " << x << "," << y;
    }
    ExpectInkOfOneColour(panel, {0, 0, w, h}, kPanelGreen, 0);
  }
}

// The failure box's words are centred and about 18 pixels high; the help panel's six lines
// stand apart.
TEST(PanelsTest, LetteringStandsWhereTheLayoutPutsIt) {
  const Surface box = LoadBitmap("failbox.bmp");
  const Bounds words = BoundsOf(InkIn(box, {4, 4, box.width - 4, box.height - 4}));
  EXPECT_NEAR(words.left + words.right, box.width, 1);
  EXPECT_NEAR(words.top + words.bottom, box.height, 1);
  EXPECT_NEAR(words.Height(), 18, 2);
  EXPECT_GT(words.Width(), box.width / 2);
  const Surface panel = LoadBitmap("help.bmp");
  std::vector<std::vector<InkPixel>> lines;
  for (const InkPixel pixel : InkIn(panel, {4, 4, panel.width - 4, panel.height - 4})) {
    if (lines.empty() || pixel.y > lines.back().back().y + 1) lines.emplace_back();
    lines.back().push_back(pixel);
  }
  EXPECT_EQ(lines.size(), 6u);
}

std::uint32_t Stride(int size, int bits) {
  return static_cast<std::uint32_t>((size * bits + 31) / 32 * 4);
}

// The program icon: three square images of 16, 24 and 32 pixels in the classic 16-colour form
// (a 4-bit colour plane and a 1-bit transparency mask, both bottom-up), a round emblem.
TEST(ProgramIconTest, HoldsSixteenColourEmblemsOpaqueInsideTheirCircleOnly) {
  const std::vector<std::uint8_t> bytes = ReadResource("quellar.ico");
  ASSERT_EQ(GetU16(bytes, 2), 1) << "an icon";
  ASSERT_EQ(GetU16(bytes, 4), 3);
  for (std::size_t entry = 0; entry < 3; ++entry) {
    const std::size_t at = 6 + 16 * entry;
    const int size = bytes[at];
    SCOPED_TRACE(size);
    EXPECT_EQ(size, 16 + 8 * static_cast<int>(entry));
    EXPECT_EQ(bytes[at + 2], 16) << "colours";
    EXPECT_EQ(GetU16(bytes, at + 6), 4) << "bits a pixel";
    const std::uint32_t offset = GetU32(bytes, at + 12).value();
    const std::uint32_t colourBytes = Stride(size, 4) * static_cast<std::uint32_t>(size);
    const std::uint32_t maskBytes = Stride(size, 1) * static_cast<std::uint32_t>(size);
    ASSERT_EQ(GetU32(bytes, at + 8), 40 + 64 + colourBytes + maskBytes) << "header, palette";
    ASSERT_GE(bytes.size(), offset + 40 + 64 + colourBytes + maskBytes);
    const std::size_t colours = offset + 40 + 64;
    const std::size_t mask = colours + colourBytes;
    // Rows are stored bottom-up; x and y count from the top left here.
    const auto transparent = [&](int x, int y) {
      const std::size_t row = mask + Stride(size, 1) * static_cast<std::size_t>(size - 1 - y);
      return (bytes[row + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))) != 0;
    };
    const auto colour = [&](int x, int y) {
      const std::size_t row = colours + Stride(size, 4) * static_cast<std::size_t>(size - 1 - y);
      const std::uint8_t pair = bytes[row + static_cast<std::size_t>(x / 2)];
      return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
    };
    const int last = size - 1;
    EXPECT_TRUE(transparent(0, 0) && transparent(last, 0) && transparent(0, last) &&
                transparent(last, last));
    EXPECT_FALSE(transparent(size / 2, size / 2));
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        ASSERT_TRUE(!transparent(x, y) || colour(x, y) == 0) << "the mask alone decides";
      }
    }
  }
}

}  // namespace
}  // namespace quellar::art
