#include "tools/art/program_icon.h"

#include <algorithm>
#include <array>
#include <limits>

#include "tools/art/emblem.h"
#include "tools/art/ico_file.h"
#include "tools/art/png_file.h"

namespace quellar::art {
namespace {

constexpr std::array<int, 3> kSizes{16, 24, 32};

int DistanceSquared(Rgb a, Rgb b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

std::uint8_t Nearest(const IconPalette& palette, Rgb colour) {
  std::uint8_t best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t index = 0; index < palette.size(); ++index) {
    const int distance = DistanceSquared(palette[index], colour);
    if (distance < bestDistance) {
      best = static_cast<std::uint8_t>(index);
      bestDistance = distance;
    }
  }
  return best;
}

// The emblem filling a square, its ring a sixteenth of the size wide.
EmblemPlacement PlacementFor(int size) {
  const double half = size / 2.0;
  return {.centreX = half, .centreY = half, .radius = half, .ringWidth = size / 16.0};
}

// The disc is opaque where it covers at least half a pixel; a 16-colour icon has no partial
// transparency, so the ring's outer edge is drawn against black instead.
IconImage DrawSize(const IconPalette& palette, int size) {
  const EmblemPlacement placement = PlacementFor(size);
  Image image(size, size);
  PaintEmblem(image, placement);
  const Coverage disc = EmblemDisc(size, size, placement);
  IconImage icon{size, {}, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool transparent = disc.At(x, y) < 128;
      icon.transparent.push_back(transparent);
      icon.colours.push_back(transparent ? 0 : Nearest(palette, image.At(x, y)));
    }
  }
  return icon;
}

}  // namespace

std::vector<std::uint8_t> DrawProgramIcon() {
  const IconPalette palette = EmblemPalette();
  std::vector<IconImage> images;
  for (const int size : kSizes) images.push_back(DrawSize(palette, size));
  return EncodeIco(palette, images);
}

// The emblem is painted over black, so a pixel the disc covers only in part holds its colour
// at that strength: divided by the coverage, its edge keeps the ring's full green and the
// desktop shows through instead of a dark fringe.
std::vector<std::uint8_t> DrawThemeIcon(int size) {
  const EmblemPlacement placement = PlacementFor(size);
  Image image(size, size);
  PaintEmblem(image, placement);
  const Coverage disc = EmblemDisc(size, size, placement);
  const auto unpremultiply = [](std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>(std::min(255, (channel * 255 + alpha / 2) / alpha));
  };
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint8_t alpha = disc.At(x, y);
      const Rgb pixel = image.At(x, y);
      image.Set(x, y,
                alpha == 0 ? kBlack
                           : Rgb{unpremultiply(pixel.r, alpha), unpremultiply(pixel.g, alpha),
                                 unpremultiply(pixel.b, alpha)});
    }
  }
  return EncodePng(image, disc);
}

}  // namespace quellar::art
