#pragma once
// Bitmap 103: the on-screen display's font, 37 cells of 16 x 40 pixels: blank, the digits,
// A to Y and the colon, as tall green segment-display characters.

#include "tools/art/font_face.h"
#include "tools/art/image.h"

namespace quellar::art {

Image DrawOsdFont(const FontLibrary& library);

}  // namespace quellar::art
