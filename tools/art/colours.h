#pragma once
// The art's colours, one definition each so that the pieces match.

#include "tools/art/image.h"

namespace quellar::art {

// The rain's three shades: the falling head, the glyph just behind it, and the older body.
inline constexpr Rgb kHeadGreen{187, 232, 184};
inline constexpr Rgb kBodyGreen{128, 208, 128};
inline constexpr Rgb kTailGreen{96, 160, 96};
// Frames and lettering of the failure box and the help panel, and the emblem's ring.
inline constexpr Rgb kFrameGreen{56, 156, 50};
// The on-screen display's segments.
inline constexpr Rgb kDisplayGreen{0, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

}  // namespace quellar::art
