#pragma once
// The committed resource files, as the tests read them.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/image.h"

namespace quellar::art {

// The bytes of resources/<name>; empty when the file is missing.
std::vector<std::uint8_t> ReadResource(const std::string& name);

// The bitmap resources/<name>; an empty image, and a failure of the calling test, when it is
// not the form the program embeds.
Image LoadBitmap(const std::string& name);

// Anything but black counts as ink: on a black field that is every painted pixel.
inline bool IsInk(Rgb colour) {
  return colour != kBlack;
}

// Pixels of `image` that are ink inside the rectangle, in reading order.
struct InkPixel {
  int x;
  int y;
};
std::vector<InkPixel> InkIn(const Image& image, const Bounds& area);

// Names each case of a test over resource files after its file: "glyphs.bmp" -> "glyphs".
struct NameAfterFile {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    const std::string name = info.param.name;
    return name.substr(0, name.find('.'));
  }
};

}  // namespace quellar::art
