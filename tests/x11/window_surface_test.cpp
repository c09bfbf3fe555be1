// On a real server (skipped without one; ctest runs it on Xvfb, with and without MIT-SHM): an
// exposure shows the last presented frame, even where the back buffer was drawn on since.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "platforms/x11/display.h"
#include "platforms/x11/main_window.h"
#include "platforms/x11/window_surface.h"
// clang-format on

#include <X11/Xutil.h>

#include <algorithm>

namespace quellar::x11 {
namespace {

using softgdi::Box;
using softgdi::Pixel;

TEST(WindowSurfaceTest, AnExposureShowsTheLastPresentedFrameNotLaterDrawing) {
  const DisplayPtr display = OpenDisplay();
  if (!display) GTEST_SKIP() << "no X display";
  MainWindow window(display.get());
  window.Place(kHwndTopmost, 0, 0, 48, 40, kSwpShowWindow | kSwpNoActivate);
  softgdi::SoftGdi gdi;
  WindowSurface surface(display.get(), window.Id(), gdi, 48, 40);
  const Handle windowDc = gdi.CreateWindowDC(surface);
  const Handle buffer = gdi.CreateCompatibleDC(windowDc);
  gdi.SelectObject(buffer, gdi.AddBitmap(softgdi::Surface(48, 40, surface.NewBitmap(48, 40))));
  const auto paint = [&](Pixel colour, Box box) {
    softgdi::Surface solid(box.width, box.height);
    std::ranges::fill(solid.Pixels(), colour);
    const Handle dc = gdi.CreateCompatibleDC(windowDc);
    gdi.SelectObject(dc, gdi.AddBitmap(std::move(solid)));
    gdi.BitBlt(buffer, box.x, box.y, box.width, box.height, dc, 0, 0, kSrcCopy);
  };
  const auto present = [&] { gdi.BitBlt(windowDc, 0, 0, 48, 40, buffer, 0, 0, kSrcCopy); };
  paint(0xff0000, {0, 0, 48, 40});
  present();
  paint(0x00ff00, {8, 8, 16, 20});
  present();
  // Drawn twice over, as an erased message and the help panel are, and not presented.
  paint(0x0000ff, {0, 0, 24, 30});
  paint(0xffffff, {4, 4, 30, 20});
  surface.Repaint({0, 0, 48, 40});
  XSync(display.get(), False);
  XImage* shown = XGetImage(display.get(), window.Id(), 0, 0, 48, 40, AllPlanes, ZPixmap);
  ASSERT_NE(shown, nullptr);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 48; ++x) {
      const bool green = x >= 8 && x < 24 && y >= 8 && y < 28;
      ASSERT_EQ(XGetPixel(shown, x, y) & 0xffffff, green ? 0x00ff00u : 0xff0000u) << x << "," << y;
    }
  }
  XDestroyImage(shown);
}

}  // namespace
}  // namespace quellar::x11
