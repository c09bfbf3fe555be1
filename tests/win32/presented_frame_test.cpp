// A repaint shows the frame presented last, even after the back buffer has changed outside a
// tick; within a tick nothing is copied aside.

#include "windows/win32/presented_frame.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

constexpr RECT kArea{0, 0, 4, 4};

class Canvas {
 public:
  Canvas() : bitmap_(CreateBitmap(4, 4, 1, 32, nullptr)), dc_(CreateCompatibleDC(nullptr)) {
    SelectObject(dc_.get(), bitmap_.get());
  }
  HDC Dc() const { return dc_.get(); }
  void Fill(COLORREF colour) const {
    const UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc_.get(), &kArea, brush.get());
  }
  COLORREF Colour() const { return GetPixel(dc_.get(), 2, 2); }

 private:
  UniqueGdi<HBITMAP> bitmap_;
  UniqueMemoryDc dc_;
};

class PresentedFrameTest : public ::testing::Test {
 protected:
  void Present(COLORREF colour) {
    buffer.Fill(colour);
    BitBlt(window.Dc(), 0, 0, 4, 4, buffer.Dc(), 0, 0, SRCCOPY);
    frame.Presented(buffer.Dc(), kArea, {0, 0});
  }
  void DrawIntoBuffer(COLORREF colour) {
    frame.BeforeDrawingInto(buffer.Dc());
    buffer.Fill(colour);
  }
  COLORREF Repainted() {
    window.Fill(RGB(0, 0, 0));
    frame.Repaint(window.Dc());
    return window.Colour();
  }

  Canvas buffer;
  Canvas window;
  PresentedFrame frame;
};

TEST_F(PresentedFrameTest, DrawingOutsideATickIsNotShownByARepaint) {
  Present(RGB(0, 200, 0));
  DrawIntoBuffer(RGB(9, 9, 9));
  DrawIntoBuffer(RGB(7, 7, 7));
  EXPECT_EQ(Repainted(), RGB(0, 200, 0));
  Present(RGB(0, 0, 200));
  EXPECT_EQ(Repainted(), RGB(0, 0, 200));
}

TEST_F(PresentedFrameTest, ATickCopiesNothingAside) {
  Present(RGB(0, 200, 0));
  frame.DuringTick([&] { DrawIntoBuffer(RGB(9, 9, 9)); });
  EXPECT_EQ(Repainted(), RGB(9, 9, 9)) << "read from the back buffer itself";
}

TEST_F(PresentedFrameTest, NothingIsPaintedBeforeTheFirstFrameOrFromADeletedBuffer) {
  buffer.Fill(RGB(0, 200, 0));
  EXPECT_EQ(Repainted(), RGB(0, 0, 0));
  Present(RGB(0, 200, 0));
  frame.Forget(buffer.Dc());
  EXPECT_EQ(Repainted(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace quellar::win32
