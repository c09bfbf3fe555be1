#pragma once
// Bitmap 101: the rain's glyphs and the failure message's letters, 47 cells of 16 x 20 pixels
// side by side, repeated in three shade bands of 22 rows (bright head, green, dim body).

#include "tools/art/font_face.h"
#include "tools/art/image.h"

namespace quellar::art {

Image DrawGlyphSheet(const FontLibrary& library);

}  // namespace quellar::art
