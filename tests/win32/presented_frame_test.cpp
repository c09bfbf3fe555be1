// A repaint shows the frame presented last, even after the back buffer has changed outside a
// tick; within a tick nothing is copied aside.

#include "windows/win32/presented_frame.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

constexpr RECT kArea{0, 0, 4, 4};

class PresentedFrameTest : public ::testing::Test {
 protected:
  PresentedFrameTest() {
    SelectObject(buffer.get(), bufferBitmap.get());
    SelectObject(window.get(), windowBitmap.get());
  }
  static void Fill(HDC dc, COLORREF colour) {
    const UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &kArea, brush.get());
  }
  // The back buffer, all of one colour, presented to the whole window.
  void Present(COLORREF colour) {
    Fill(buffer.get(), colour);
    frame.Presented(buffer.get(), kArea, {0, 0});
  }
  void DrawIntoBuffer(COLORREF colour) {
    frame.BeforeDrawingInto(buffer.get());
    Fill(buffer.get(), colour);
  }
  COLORREF Repainted() {
    Fill(window.get(), RGB(0, 0, 0));
    frame.Repaint(window.get());
    return GetPixel(window.get(), 2, 2);
  }

  // The bitmaps outlive the device contexts they are selected into.
  UniqueGdi<HBITMAP> bufferBitmap{CreateBitmap(4, 4, 1, 32, nullptr)};
  UniqueGdi<HBITMAP> windowBitmap{CreateBitmap(4, 4, 1, 32, nullptr)};
  UniqueMemoryDc buffer{CreateCompatibleDC(nullptr)};
  UniqueMemoryDc window{CreateCompatibleDC(nullptr)};
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
  Fill(buffer.get(), RGB(0, 200, 0));
  EXPECT_EQ(Repainted(), RGB(0, 0, 0));
  Present(RGB(0, 200, 0));
  frame.Forget(buffer.get());
  EXPECT_EQ(Repainted(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace quellar::win32
