#pragma once
// Windows bitmap files as the program's resources hold them: 24 bits per pixel, uncompressed
// (BI_RGB), rows stored bottom-up and padded to four bytes.

#include <cstdint>
#include <vector>

#include "tools/art/image.h"

namespace quellar::art {

// The program reads these files with softgdi::DecodeBmp, which the resources test uses too.
std::vector<std::uint8_t> EncodeBmp(const Image& image);

}  // namespace quellar::art
