#include "tools/art/glyph_sheet.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/art/colours.h"

namespace quellar::art {
namespace {

constexpr int kCellWidth = 16;
constexpr int kCellHeight = 20;
constexpr int kBandHeight = 22;
constexpr int kGlyphCount = 47;

constexpr std::array<Rgb, 3> kShadeInks{kHeadGreen, kBodyGreen, kTailGreen};

struct SheetGlyph {
  char32_t codepoint;  // 0: the blank cell
  bool mirrored;       // mirrored kana read as code rather than as Japanese
};

constexpr SheetGlyph Mirror(char32_t codepoint) {
  return {codepoint, true};
}
constexpr SheetGlyph Plain(char32_t codepoint) {
  return {codepoint, false};
}

// The rain (1-35) is half-width katakana, a third of them mirrored, with the ten digits among
// them. 36-46 are latin capitals and a colon that only the failure message uses.
//
// The failure message is the index sequence 40 36 0 24 8 41 42 37 39 0 45 0 43 1 1 44 0. It
// reads as a register dump, "IP 57BCDA : E00F": the instruction pointer at the fault and its
// code. The sequence uses nine letter glyphs once each and doubles only a rain glyph, a pattern
// that few phrases fit but hexadecimal does. The digits come from the rain, so rain glyphs 1, 8
// and 24 are the digits 0, 7 and 5. Glyphs 38 (X) and 46 (R) complete the set; nothing draws
// them.
constexpr std::array<SheetGlyph, kGlyphCount> kGlyphs{{
    Plain(0),  // 0 blank
    Plain(U'0'), Plain(U'ｱ'),  Mirror(U'ｶ'), Plain(U'ｳ'),
    Plain(U'1'), Mirror(U'ﾁ'), Plain(U'ｵ'),  Plain(U'7'),  // 1-8
    Plain(U'ｷ'), Mirror(U'ｹ'), Plain(U'ｸ'),  Plain(U'2'),
    Plain(U'ｺ'), Plain(U'ｻ'),  Mirror(U'ﾈ'), Plain(U'3'),  // 9-16
    Plain(U'ｼ'), Plain(U'ﾀ'),  Mirror(U'ﾎ'), Plain(U'4'),
    Plain(U'ﾂ'), Plain(U'ﾃ'),  Mirror(U'ﾓ'), Plain(U'5'),  // 17-24
    Plain(U'ﾅ'), Plain(U'ﾊ'),  Mirror(U'ﾗ'), Plain(U'6'),
    Plain(U'ﾏ'), Plain(U'ﾐ'),  Plain(U'8'),  Mirror(U'ｾ'),  // 25-32
    Plain(U'ﾔ'), Plain(U'9'),  Plain(U'ﾜ'),                 // 33-35
    Plain(U'P'), Plain(U'D'),  Plain(U'X'),  Plain(U'A'),
    Plain(U'I'), Plain(U'B'),  Plain(U'C'),  Plain(U'E'),  // 36-43
    Plain(U'F'), Plain(U':'),  Plain(U'R'),                // 44-46
}};

bool IsKana(char32_t codepoint) {
  return codepoint >= U'\uFF61' && codepoint <= U'\uFF9F';
}

// Half-width kana fill the whole em, digits and capitals about three quarters of it, so the
// two are sized apart to look alike in the cell. Both are half an em wide and are widened to
// fill most of the 16-pixel cell, leaving a gap between columns of rain.
constexpr int kKanaWidth = 26;
constexpr int kKanaHeight = 20;
constexpr int kLatinWidth = 26;
constexpr int kLatinHeight = 22;

// A glyph as drawn: mirrored where the table says, `top` rows above its baseline.
struct Shape {
  Coverage mask;
  Bounds ink;
  int top = 0;
};

// Two-pixel downstrokes and one-pixel crossbars: bold enough for the dim shade, still open.
const GlyphStyle kStrokeStyle{.crisp = true, .emboldenX = 1.0, .emboldenY = 0.0};
// The grid fitting flattens the colon's dots to one row; square them up again.
const GlyphStyle kDotStyle{.crisp = true, .emboldenX = 0.0, .emboldenY = 1.0};

Shape RenderShape(FontFace& face, SheetGlyph glyph) {
  const bool kana = IsKana(glyph.codepoint);
  if (kana) {
    face.SetPixelSize(kKanaWidth, kKanaHeight);
  } else {
    face.SetPixelSize(kLatinWidth, kLatinHeight);
  }
  RenderedGlyph rendered =
      face.Render(glyph.codepoint, glyph.codepoint == U':' ? kDotStyle : kStrokeStyle);
  Coverage mask = glyph.mirrored ? rendered.mask.MirroredHorizontally() : std::move(rendered.mask);
  const auto ink = mask.InkBounds();
  if (!ink) throw std::runtime_error("empty glyph U+" + std::to_string(glyph.codepoint));
  return {std::move(mask), *ink, rendered.top};
}

// One entry per sheet glyph; the blank has none.
using Shapes = std::vector<std::optional<Shape>>;

// The baseline row that centres the tallest extent of one script's glyphs in the cell. Glyphs
// of a script share it, so the failure message's digits and capitals stand on one line.
int CentredBaseline(const Shapes& shapes, bool kana) {
  // Hinted capitals may end above the baseline, so "below" can be negative.
  int above = std::numeric_limits<int>::min();
  int below = std::numeric_limits<int>::min();
  for (std::size_t index = 0; index < shapes.size(); ++index) {
    if (!shapes[index] || IsKana(kGlyphs[index].codepoint) != kana) continue;
    above = std::max(above, shapes[index]->top - shapes[index]->ink.top);
    below = std::max(below, shapes[index]->ink.bottom - shapes[index]->top);
  }
  return (kCellHeight - above - below) / 2 + above;
}

// Centred across the cell by its ink, so mirrored and plain glyphs sit alike.
Coverage PlaceInCell(const Shape& shape, int baseline) {
  const int x = (kCellWidth - shape.ink.Width()) / 2 - shape.ink.left;
  const int y = baseline - shape.top;
  if (y + shape.ink.top < 0 || y + shape.ink.bottom > kCellHeight ||
      shape.ink.Width() > kCellWidth) {
    throw std::runtime_error("a glyph does not fit its cell");
  }
  Coverage cell(kCellWidth, kCellHeight);
  cell.Merge(shape.mask, x, y);
  return cell;
}

std::vector<Coverage> RenderCells(const FontLibrary& library) {
  FontFace face(library, kRainFont);
  Shapes shapes;
  for (const SheetGlyph glyph : kGlyphs) {
    if (glyph.codepoint == 0) {
      shapes.emplace_back();
    } else {
      shapes.emplace_back(RenderShape(face, glyph));
    }
  }
  const int kanaBaseline = CentredBaseline(shapes, true);
  const int latinBaseline = CentredBaseline(shapes, false);
  std::vector<Coverage> cells;
  for (std::size_t index = 0; index < shapes.size(); ++index) {
    if (!shapes[index]) {
      cells.emplace_back(kCellWidth, kCellHeight);
    } else {
      const bool kana = IsKana(kGlyphs[index].codepoint);
      cells.push_back(PlaceInCell(*shapes[index], kana ? kanaBaseline : latinBaseline));
    }
  }
  return cells;
}

}  // namespace

Image DrawGlyphSheet(const FontLibrary& library) {
  const std::vector<Coverage> cells = RenderCells(library);
  Image sheet(kCellWidth * kGlyphCount, kBandHeight * static_cast<int>(kShadeInks.size()));
  for (std::size_t index = 0; index < cells.size(); ++index) {
    for (std::size_t shade = 0; shade < kShadeInks.size(); ++shade) {
      sheet.Paint(cells[index], static_cast<int>(index) * kCellWidth,
                  static_cast<int>(shade) * kBandHeight, kShadeInks[shade]);
    }
  }
  return sheet;
}

}  // namespace quellar::art
