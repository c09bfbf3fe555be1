#include "tests/art/resource_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/art/bmp_file.h"

namespace quellar::art {

std::vector<std::uint8_t> ReadResource(const std::string& name) {
  std::ifstream file(std::string(QUELLAR_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Image LoadBitmap(const std::string& name) {
  const auto image = DecodeBmp(ReadResource(name));
  if (!image) {
    ADD_FAILURE() << name << " is not a 24-bit bottom-up bitmap";
    return {};
  }
  return *image;
}

std::vector<InkPixel> InkIn(const Image& image, const Bounds& area) {
  std::vector<InkPixel> ink;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (IsInk(image.At(x, y))) ink.push_back({x, y});
    }
  }
  return ink;
}

}  // namespace quellar::art
