#pragma once
// The two framed overlays: bitmap 102, the "SYSTEM FAILURE" box (271 x 34), and bitmap 104,
// the hotkey help panel (430 x 140). Both are green lettering in a green frame with rounded
// corners on black.

#include "tools/art/font_face.h"
#include "tools/art/image.h"

namespace quellar::art {

Image DrawFailureBox(const FontLibrary& library);
Image DrawHelpPanel(const FontLibrary& library);

}  // namespace quellar::art
