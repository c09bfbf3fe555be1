// A repaint shows the frame presented last (the end-to-end scenario shows it): what a handler
// draws outside a tick is copied aside first. A tick presents all it draws, so it costs no copy.

#include "windows/win32/presented_frame.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

constexpr RECT kArea{0, 0, 4, 4};

// A bitmap of kArea's size in a memory device context.
class Canvas {
 public:
  Canvas() { SelectObject(dc_.get(), bitmap_.get()); }
  HDC Dc() const { return dc_.get(); }
  void Fill(COLORREF colour) const {
    const UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc_.get(), &kArea, brush.get());
  }
  COLORREF Colour() const { return GetPixel(dc_.get(), 2, 2); }

 private:
  // The bitmap outlives the device context it is selected into.
  UniqueGdi<HBITMAP> bitmap_{CreateBitmap(4, 4, 1, 32, nullptr)};
  UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
};

TEST(PresentedFrame, ATickCopiesNothingAside) {
  const Canvas buffer;
  const Canvas window;
  PresentedFrame frame;
  buffer.Fill(RGB(0, 200, 0));
  frame.Presented(buffer.Dc(), kArea, {0, 0});
  frame.DuringTick([&] {
    frame.BeforeDrawingInto(buffer.Dc());
    buffer.Fill(RGB(9, 9, 9));
  });
  frame.Repaint(window.Dc());
  EXPECT_EQ(window.Colour(), RGB(9, 9, 9)) << "painted from a copy, not from the back buffer";
}

}  // namespace
}  // namespace quellar::win32
