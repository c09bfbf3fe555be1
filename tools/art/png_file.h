#pragma once
// PNG files with an alpha channel: the program icon in the sizes desktop icon themes ask for.

#include <cstdint>
#include <vector>

#include "tools/art/image.h"

namespace quellar::art {

// `colour` made as opaque as `alpha` says, pixel by pixel; both planes have one size.
std::vector<std::uint8_t> EncodePng(const Image& colour, const Coverage& alpha);

}  // namespace quellar::art
