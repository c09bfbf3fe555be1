#pragma once
// Writes a pixel surface as an 8-bit RGB PNG file.

#include <string>

#include "platforms/softgdi/surface.h"

namespace quellar::render {

// An empty text on success, else a message naming the file and the reason.
std::string WritePng(const softgdi::Surface& surface, const std::string& file);

}  // namespace quellar::render
