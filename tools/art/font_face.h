#pragma once
// FreeType behind owning handles: a library, the faces opened with it, and the glyphs and text
// lines they render as coverage masks.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>
#include <string_view>

#include "tools/art/fonts.h"
#include "tools/art/image.h"

namespace quellar::art {

class FontLibrary {
 public:
  FontLibrary();
  FT_Library Get() const { return library_.get(); }

 private:
  struct Release {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
  };
  std::unique_ptr<FT_LibraryRec_, Release> library_;
};

// How glyph outlines are fitted to the pixel grid and thickened before they are rendered.
struct GlyphStyle {
  // Snaps stems in both directions, as for a black-and-white display, but renders with grey
  // edges: crisper small glyphs at the cost of the outline's exact proportions.
  bool crisp = false;
  // Thickens strokes by this many pixels across and down, for fonts of a single light weight.
  double emboldenX = 0;
  double emboldenY = 0;
};

// One glyph's mask and where it sits relative to the pen on the baseline.
struct RenderedGlyph {
  Coverage mask;
  int left = 0;     // pen to the mask's first column
  int top = 0;      // baseline up to the mask's first row
  int advance = 0;  // pen movement to the next glyph
};

class FontFace {
 public:
  // The library must outlive the face. A missing file is an error that names its package.
  FontFace(const FontLibrary& library, FontFile file);

  // Different widths and heights give condensed or expanded glyphs.
  void SetPixelSize(int width, int height);
  void SetPixelSize(int size) { SetPixelSize(size, size); }
  RenderedGlyph Render(char32_t codepoint, const GlyphStyle& style = {}) const;
  // Distances from the baseline to the top and bottom of the line, in whole pixels.
  int Ascender() const;
  int Descender() const;
  int Kerning(char32_t left, char32_t right) const;

 private:
  struct Release {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
  };
  std::unique_ptr<FT_FaceRec_, Release> face_;
  std::string path_;
};

// A line of text: its mask spans the font's ascender to its descender and starts at the first
// pen position, so a line drawn at (x, y) has its top at y.
struct TextLine {
  Coverage mask;
  int baseline = 0;  // row of the mask the glyphs stand on
};

// `tracking` adds pixels between letters, for spaced-out lettering.
TextLine RenderLine(const FontFace& face, std::u32string_view text, int tracking = 0);

}  // namespace quellar::art
