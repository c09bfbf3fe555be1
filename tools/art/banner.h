#pragma once
// The settings dialog's banner (resource 105), 450 x 65: the "Quellar" wordmark on the left,
// the maker and year on the right, the emblem at the right edge. The dialog writes its version
// label over the banner right of the wordmark's lower line (x 164-194, y 40-54), so that area
// stays black.

#include "tools/art/font_face.h"
#include "tools/art/image.h"

namespace quellar::art {

Image DrawBanner(const FontLibrary& library);

}  // namespace quellar::art
