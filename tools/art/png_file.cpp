#include "tools/art/png_file.h"

#include <png.h>

#include <stdexcept>
#include <string>

namespace quellar::art {

std::vector<std::uint8_t> EncodePng(const Image& colour, const Coverage& alpha) {
  if (colour.Width() != alpha.Width() || colour.Height() != alpha.Height() || colour.Width() <= 0 ||
      colour.Height() <= 0) {
    throw std::invalid_argument("PNG planes of different or empty sizes");
  }
  std::vector<std::uint8_t> rgba;
  rgba.reserve(static_cast<std::size_t>(colour.Width() * colour.Height()) * 4);
  for (int y = 0; y < colour.Height(); ++y) {
    for (int x = 0; x < colour.Width(); ++x) {
      const Rgb pixel = colour.At(x, y);
      rgba.insert(rgba.end(), {pixel.r, pixel.g, pixel.b, alpha.At(x, y)});
    }
  }
  // libpng's simplified interface keeps its error handling (setjmp) to itself.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(colour.Width());
  image.height = static_cast<png_uint_32>(colour.Height());
  image.format = PNG_FORMAT_RGBA;
  const auto failure = [&image] {
    return std::runtime_error(std::string("PNG encoding failed: ") + image.message);
  };
  png_alloc_size_t size = 0;
  if (png_image_write_get_memory_size(image, size, 0, rgba.data(), 0, nullptr) == 0)
    throw failure();
  std::vector<std::uint8_t> png(size);
  if (png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 0, nullptr) == 0) {
    throw failure();
  }
  png.resize(size);
  return png;
}

}  // namespace quellar::art
