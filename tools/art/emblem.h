#pragma once
// The product's emblem, shared by the dialog banner and the program icon: a green ring around
// three streaks of rain, each fading from a dim tail to a pale head like a falling chain.

#include <array>

#include "tools/art/image.h"

namespace quellar::art {

struct EmblemPlacement {
  double centreX = 0;
  double centreY = 0;
  double radius = 0;
  double ringWidth = 0;  // pixels; at least one, so the ring survives at icon sizes
};

// How much of each pixel of a width x height plane the emblem's disc covers: what is opaque.
Coverage EmblemDisc(int width, int height, const EmblemPlacement& placement);

// Paints the ring and the streaks; inside the ring the image is left as it is.
void PaintEmblem(Image& image, const EmblemPlacement& placement);

// Sixteen colours that the emblem on black comes close to everywhere: black, the ring's green
// at four strengths and eleven steps along a streak.
std::array<Rgb, 16> EmblemPalette();

}  // namespace quellar::art
