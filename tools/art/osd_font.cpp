#include "tools/art/osd_font.h"

#include <stdexcept>
#include <string_view>

#include "tools/art/colours.h"

namespace quellar::art {
namespace {

constexpr int kCellWidth = 16;
constexpr int kCellHeight = 40;
// The display copies whole cells next to the rain; rows 0-2 and 37-39 stay dark so the
// characters keep clear of the glyphs above and below.
constexpr int kFirstInkRow = 3;
constexpr int kLastInkRow = 36;

constexpr std::u32string_view kCharacters = U" 0123456789ABCDEFGHIJKLMNOPQRSTUVWXY:";

// Squeezed to about half their natural width, the segment characters become the tall narrow
// ones of a real display; thickened by a pixel, the thin diagonal segments of K, M, N, X and
// the zero's slash survive the squeeze. Left unhinted, the segments keep soft edges.
constexpr int kPixelWidth = 18;
constexpr int kPixelHeight = 33;
const GlyphStyle kStyle{.crisp = false, .emboldenX = 1.0, .emboldenY = 1.0};

// Where the segments of a full character fall relative to the pen, taken from the 8 that
// lights most of them. Every character is placed in this one frame, so a 1 keeps to the
// right-hand side like the 1 of a real display instead of drifting to the middle.
struct Frame {
  int left = 0;  // first ink column right of the pen
  int width = 0;
  int below = 0;  // ink rows below the baseline
  int advance = 0;
};

Frame MeasureFrame(const FontFace& face) {
  const RenderedGlyph eight = face.Render(U'8', kStyle);
  const Bounds ink = eight.mask.InkBounds().value();
  return {eight.left + ink.left, ink.Width(), ink.bottom - eight.top, eight.advance};
}

Coverage RenderCell(const FontFace& face, const Frame& frame, char32_t character) {
  Coverage cell(kCellWidth, kCellHeight);
  if (character == U' ') return cell;
  const RenderedGlyph glyph = face.Render(character, kStyle);
  // Narrower characters (the colon) sit in the middle of the frame.
  const int x = (kCellWidth - frame.width) / 2 - frame.left + (frame.advance - glyph.advance) / 2 +
                glyph.left;
  const int baseline = kLastInkRow + 1 - frame.below;
  cell.Merge(glyph.mask, x, baseline - glyph.top);
  const auto ink = cell.InkBounds();
  if (!ink || ink->top < kFirstInkRow || ink->bottom > kLastInkRow + 1 || ink->left == 0 ||
      ink->right == kCellWidth) {
    throw std::runtime_error("a display character leaves its rows");
  }
  return cell;
}

}  // namespace

Image DrawOsdFont(const FontLibrary& library) {
  FontFace face(library, kSegmentFont);
  face.SetPixelSize(kPixelWidth, kPixelHeight);
  const Frame frame = MeasureFrame(face);
  Image font(kCellWidth * static_cast<int>(kCharacters.size()), kCellHeight);
  for (std::size_t index = 0; index < kCharacters.size(); ++index) {
    font.Paint(RenderCell(face, frame, kCharacters[index]), static_cast<int>(index) * kCellWidth, 0,
               kDisplayGreen);
  }
  return font;
}

}  // namespace quellar::art
