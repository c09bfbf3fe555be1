#include "tools/art/framed_panels.h"

#include <array>
#include <stdexcept>
#include <string>

#include "tools/art/colours.h"
#include "tools/art/shapes.h"

namespace quellar::art {
namespace {

constexpr int kFrameThickness = 2;
constexpr double kCornerRadius = 6.0;
// Lettering keeps at least this much black between itself and the frame.
constexpr int kClearance = 3;

Image FramedPanel(int width, int height) {
  Image panel(width, height);
  panel.Paint(RoundedFrame(width, height, kFrameThickness, kCornerRadius), 0, 0, kFrameGreen);
  return panel;
}

void CheckInsideFrame(const Image& panel, const TextLine& line, int x, int y) {
  const Bounds ink = line.mask.InkBounds().value();
  const int inner = kFrameThickness + kClearance;
  if (x + ink.left < inner || y + ink.top < inner || x + ink.right > panel.Width() - inner ||
      y + ink.bottom > panel.Height() - inner) {
    throw std::runtime_error("lettering runs into the frame");
  }
}

}  // namespace

Image DrawFailureBox(const FontLibrary& library) {
  constexpr int kWidth = 271;
  constexpr int kHeight = 34;
  // Capitals 18 pixels high.
  constexpr int kPixelSize = 25;
  FontFace face(library, kBoldSans);
  face.SetPixelSize(kPixelSize);
  const TextLine line = RenderLine(face, U"SYSTEM FAILURE");
  const Bounds ink = line.mask.InkBounds().value();
  // The ink, not the line box, is centred: capitals have no descenders to balance.
  const int x = (kWidth - ink.Width()) / 2 - ink.left;
  const int y = (kHeight - ink.Height()) / 2 - ink.top;
  Image box = FramedPanel(kWidth, kHeight);
  CheckInsideFrame(box, line, x, y);
  box.Paint(line.mask, x, y, kFrameGreen);
  return box;
}

Image DrawHelpPanel(const FontLibrary& library) {
  constexpr int kWidth = 430;
  constexpr int kHeight = 140;
  constexpr int kLeft = 14;
  constexpr int kFirstTop = 7;
  constexpr int kLineSpacing = 22;
  // Lines 16 pixels from ascender to descender; the longest still ends well inside the frame.
  constexpr int kPixelSize = 14;
  constexpr std::array<std::u32string_view, 6> kLines{
      U"Quellar Screensaver hotkeys",
      U"Speed: faster: [+]; slower: [-]",
      U"Character chain length: shorter: [/]; longer: [*]",
      U"Random deleting ON/OFF: [ENTER]",
      U"Reset to defaults: [HOME]",
      U"Exit: [ESC] or [SPACE]",
  };
  FontFace face(library, kBoldSans);
  face.SetPixelSize(kPixelSize);
  Image panel = FramedPanel(kWidth, kHeight);
  for (std::size_t index = 0; index < kLines.size(); ++index) {
    const TextLine line = RenderLine(face, kLines[index]);
    const int top = kFirstTop + static_cast<int>(index) * kLineSpacing;
    CheckInsideFrame(panel, line, kLeft, top);
    panel.Paint(line.mask, kLeft, top, kFrameGreen);
  }
  return panel;
}

}  // namespace quellar::art
