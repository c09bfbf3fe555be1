#include "platforms/softgdi/bmp.h"

#include <cstdlib>

namespace quellar::softgdi {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderMinimum = 40;
constexpr std::int32_t kLargestSide = 16384;

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
         (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::int32_t ReadI32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::int32_t>(ReadU32(bytes, at));
}

struct Layout {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool topDown = false;
  std::size_t bytesPerPixel = 0;
  std::size_t pixelOffset = 0;
  std::size_t stride = 0;
};

// Checks the headers and that every row lies inside the file; a message says what is wrong.
std::variant<Layout, std::string> ReadLayout(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderMinimum) return "the file is truncated";
  if (file[0] != 'B' || file[1] != 'M') return "the file is not a BMP file";
  const std::size_t infoSize = ReadU32(file, kFileHeaderSize);
  if (infoSize < kInfoHeaderMinimum) return "the BMP header is malformed";
  Layout layout;
  layout.width = ReadI32(file, 18);
  const std::int32_t rawHeight = ReadI32(file, 22);
  const std::uint16_t bits = ReadU16(file, 28);
  const std::uint32_t compression = ReadU32(file, 30);
  if (rawHeight == INT32_MIN) return "the BMP height is malformed";
  layout.topDown = rawHeight < 0;
  layout.height = std::abs(rawHeight);
  if (layout.width <= 0 || layout.height <= 0 || layout.width > kLargestSide ||
      layout.height > kLargestSide) {
    return "the BMP size is out of range";
  }
  if ((bits != 24 && bits != 32) || (compression != 0 && !(bits == 32 && compression == 3))) {
    return "only uncompressed 24- and 32-bit BMP files are supported";
  }
  layout.bytesPerPixel = bits / 8u;
  layout.pixelOffset = ReadU32(file, 10);
  layout.stride =
      (static_cast<std::size_t>(layout.width) * layout.bytesPerPixel + 3) & ~std::size_t{3};
  const std::size_t needed = layout.stride * static_cast<std::size_t>(layout.height);
  if (layout.pixelOffset > file.size() || file.size() - layout.pixelOffset < needed) {
    return "the pixel data is truncated";
  }
  return layout;
}

}  // namespace

DecodedBmp DecodeBmp(std::span<const std::uint8_t> file) {
  auto checked = ReadLayout(file);
  if (const std::string* error = std::get_if<std::string>(&checked)) return *error;
  const Layout& layout = std::get<Layout>(checked);
  Surface surface(layout.width, layout.height);
  for (std::int32_t y = 0; y < layout.height; ++y) {
    const std::int32_t fileRow = layout.topDown ? y : layout.height - 1 - y;
    std::size_t at = layout.pixelOffset + static_cast<std::size_t>(fileRow) * layout.stride;
    for (std::int32_t x = 0; x < layout.width; ++x, at += layout.bytesPerPixel) {
      surface.At(x, y) = Rgb(file[at + 2], file[at + 1], file[at]);
    }
  }
  return surface;
}

}  // namespace quellar::softgdi
