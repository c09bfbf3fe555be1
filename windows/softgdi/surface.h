#pragma once
// A pixel surface: 32-bit XRGB pixels (0x00RRGGBB) in top-down rows.

#include <cstdint>
#include <vector>

namespace quellar::softgdi {

using Pixel = std::uint32_t;

constexpr Pixel Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (Pixel{red} << 16) | (Pixel{green} << 8) | Pixel{blue};
}

struct Surface {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Pixel> pixels;  // width * height, zero (black) when made

  Surface() = default;
  Surface(std::int32_t w, std::int32_t h);
  Pixel At(std::int32_t x, std::int32_t y) const;
  Pixel& At(std::int32_t x, std::int32_t y);
};

// A rectangle of pixels: x, y, width, height.
struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Box&) const = default;
};

// Copies `width` x `height` pixels from (sourceX, sourceY) of `source` to (x, y) of
// `destination`, clipped to both surfaces. Returns the destination box actually written.
Box CopyPixels(Surface& destination, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height, const Surface& source, std::int32_t sourceX,
               std::int32_t sourceY);

}  // namespace quellar::softgdi
