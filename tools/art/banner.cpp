#include "tools/art/banner.h"

#include <string_view>

#include "tools/art/colours.h"
#include "tools/art/emblem.h"

namespace quellar::art {
namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 65;
constexpr int kLeft = 14;

// The dialog cuts off the last column and draws a line over rows 63-64: the emblem keeps clear
// of both.
constexpr EmblemPlacement kEmblem{
    .centreX = 416.0, .centreY = 31.0, .radius = 27.0, .ringWidth = 2.5};

// The rain's pale head colour at the top to the frame's green at the foot, like a glyph lit
// from above. Gives where
// the name's ink lies on the banner.
Bounds PaintWordmark(Image& banner, const FontLibrary& library) {
  FontFace face(library, kBoldSans);
  face.SetPixelSize(36);
  const TextLine line = RenderLine(face, U"Quellar");
  const Bounds ink = line.mask.InkBounds().value();
  constexpr int kInkTop = 6;
  const int top = kInkTop - ink.top;
  for (int row = ink.top; row < ink.bottom; ++row) {
    Coverage slice(line.mask.Width(), 1);
    for (int x = 0; x < slice.Width(); ++x) slice.Set(x, 0, line.mask.At(x, row));
    const int shade = (row - ink.top) * 255 / (ink.Height() - 1);
    banner.Paint(slice, kLeft, top + row,
                 Blend(kHeadGreen, kFrameGreen, static_cast<std::uint8_t>(shade)));
  }
  return {kLeft + ink.left, top + ink.top, kLeft + ink.right, top + ink.bottom};
}

// The lower line is spaced out to the width of the name above it, which ends just short of
// the version label; the label shares its baseline.
void PaintSubtitle(Image& banner, const FontLibrary& library, const Bounds& name) {
  constexpr std::u32string_view kText = U"SCREENSAVER";
  constexpr int kBaseline = 51;
  FontFace face(library, kBoldSans);
  face.SetPixelSize(11);
  const int natural = RenderLine(face, kText).mask.InkBounds().value().Width();
  const int tracking = (name.Width() - natural) / static_cast<int>(kText.size() - 1);
  const TextLine line = RenderLine(face, kText, tracking);
  const Bounds ink = line.mask.InkBounds().value();
  banner.Paint(line.mask, name.left - ink.left, kBaseline - line.baseline, kFrameGreen);
}

void PaintMaker(Image& banner, const FontLibrary& library) {
  FontFace face(library, kSans);
  face.SetPixelSize(14);
  const TextLine line = RenderLine(face, U"Tovenlab 2026");
  constexpr int kRight = 376;
  constexpr int kBaseline = 36;
  banner.Paint(line.mask, kRight - line.mask.Width(), kBaseline - line.baseline, kWhite);
}

}  // namespace

Image DrawBanner(const FontLibrary& library) {
  Image banner(kWidth, kHeight);
  const Bounds name = PaintWordmark(banner, library);
  PaintSubtitle(banner, library, name);
  PaintMaker(banner, library);
  PaintEmblem(banner, kEmblem);
  return banner;
}

}  // namespace quellar::art
