#include "tools/art/font_face.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace quellar::art {
namespace {

// 26.6 fixed point to whole pixels, rounded.
int Pixels(FT_Pos value) {
  return static_cast<int>((value + 32) >> 6);
}

FT_Pos SubPixels(double pixels) {
  return static_cast<FT_Pos>(std::lround(pixels * 64));
}

Coverage CopyBitmap(const FT_Bitmap& bitmap) {
  const int width = static_cast<int>(bitmap.width);
  const int height = static_cast<int>(bitmap.rows);
  Coverage mask(width, height);
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < width; ++x) mask.Set(x, y, row[x]);
  }
  return mask;
}

}  // namespace

FontLibrary::FontLibrary() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType cannot start");
  library_.reset(library);
}

FontFace::FontFace(const FontLibrary& library, FontFile file) : path_(file.path) {
  FT_Face face = nullptr;
  if (FT_New_Face(library.Get(), file.path, 0, &face) != 0) {
    throw std::runtime_error("cannot open " + path_ + " (Debian package " + file.package + ")");
  }
  face_.reset(face);
}

void FontFace::SetPixelSize(int width, int height) {
  if (FT_Set_Pixel_Sizes(face_.get(), static_cast<FT_UInt>(width), static_cast<FT_UInt>(height)) !=
      0) {
    throw std::runtime_error("cannot size " + path_);
  }
}

RenderedGlyph FontFace::Render(char32_t codepoint, const GlyphStyle& style) const {
  const FT_UInt index = FT_Get_Char_Index(face_.get(), codepoint);
  if (index == 0) {
    throw std::runtime_error(path_ + " has no glyph U+" + std::to_string(codepoint));
  }
  const FT_Int32 flags = style.crisp ? FT_LOAD_FORCE_AUTOHINT | FT_LOAD_TARGET_MONO
                                     : FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
  const FT_GlyphSlot slot = face_.get()->glyph;
  if (FT_Load_Glyph(face_.get(), index, flags) != 0 ||
      FT_Outline_EmboldenXY(&slot->outline, SubPixels(style.emboldenX),
                            SubPixels(style.emboldenY)) != 0 ||
      FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
    throw std::runtime_error(path_ + " cannot render U+" + std::to_string(codepoint));
  }
  return {CopyBitmap(slot->bitmap), slot->bitmap_left, slot->bitmap_top, Pixels(slot->advance.x)};
}

int FontFace::Ascender() const {
  return Pixels(face_.get()->size->metrics.ascender);
}

int FontFace::Descender() const {
  return -Pixels(face_.get()->size->metrics.descender);
}

int FontFace::Kerning(char32_t left, char32_t right) const {
  FT_Vector kerning{};
  FT_Get_Kerning(face_.get(), FT_Get_Char_Index(face_.get(), left),
                 FT_Get_Char_Index(face_.get(), right), FT_KERNING_DEFAULT, &kerning);
  return Pixels(kerning.x);
}

TextLine RenderLine(const FontFace& face, std::u32string_view text, int tracking) {
  struct Placed {
    RenderedGlyph glyph;
    int pen;
  };
  std::vector<Placed> placed;
  int pen = 0;
  int right = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0) pen += face.Kerning(text[i - 1], text[i]) + tracking;
    RenderedGlyph glyph = face.Render(text[i]);
    right = std::max({right, pen + glyph.advance, pen + glyph.left + glyph.mask.Width()});
    const int advance = glyph.advance;
    placed.push_back({std::move(glyph), pen});
    pen += advance;
  }
  TextLine line{Coverage(right, face.Ascender() + face.Descender()), face.Ascender()};
  for (const Placed& item : placed) {
    line.mask.Merge(item.glyph.mask, item.pen + item.glyph.left, line.baseline - item.glyph.top);
  }
  return line;
}

}  // namespace quellar::art
