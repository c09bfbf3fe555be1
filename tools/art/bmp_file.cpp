#include "tools/art/bmp_file.h"

#include "tools/art/byte_io.h"

namespace quellar::art {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint32_t kBiRgb = 0;
// 72 dots per inch, as image editors write it; GDI ignores it.
constexpr std::uint32_t kPixelsPerMetre = 2835;

std::uint32_t RowStride(int width) {
  return (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
}

std::size_t PixelIndex(std::uint32_t stride, int height, int x, int y) {
  // Bottom-up: the first stored row is the image's last.
  return kPixelOffset +
         static_cast<std::size_t>(stride) * static_cast<std::size_t>(height - 1 - y) +
         static_cast<std::size_t>(x) * 3u;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
  const std::uint32_t stride = RowStride(image.Width());
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.Height());
  std::vector<std::uint8_t> out;
  out.reserve(kPixelOffset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, kPixelOffset + pixelBytes);
  PutU32(out, 0);
  PutU32(out, kPixelOffset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(image.Width()));
  PutU32(out, static_cast<std::uint32_t>(image.Height()));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, kBiRgb);
  PutU32(out, pixelBytes);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, 0);
  PutU32(out, 0);
  out.resize(kPixelOffset + pixelBytes, 0);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const std::size_t at = PixelIndex(stride, image.Height(), x, y);
      const Rgb colour = image.At(x, y);
      out[at] = colour.b;
      out[at + 1] = colour.g;
      out[at + 2] = colour.r;
    }
  }
  return out;
}

}  // namespace quellar::art
