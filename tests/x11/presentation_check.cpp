// Checks that what the window's device context receives is what the server shows: a frame of
// known colours is copied to a real window, in whole and in part, and read back pixel by pixel.
// Prints "ok" and keeps the window until a line comes on standard input, so that a script can
// take a screenshot; or prints a line "FAIL: ..." and exits with status 1.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <iostream>
#include <memory>
#include <string>

#include "windows/x11/display.h"
#include "windows/x11/main_window.h"
#include "windows/x11/plain_presenter.h"
#include "windows/x11/window_surface.h"

namespace {

using quellar::softgdi::Rgb;
using quellar::softgdi::Surface;

constexpr std::int32_t kWidth = 64;
constexpr std::int32_t kHeight = 48;

// Every pixel differs in each channel from its neighbours, so an offset or a channel swap shows.
Surface Pattern(std::uint8_t blue) {
  Surface surface(kWidth, kHeight);
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      surface.At(x, y) =
          Rgb(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5), blue);
    }
  }
  return surface;
}

struct ImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

// The first pixel where the window differs from `expected`, described; empty when none does.
std::string FirstDifference(Display* display, ::Window window, const Surface& expected) {
  XSync(display, False);
  const std::unique_ptr<XImage, ImageDeleter> shown(
      XGetImage(display, window, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap));
  if (!shown) return "the window cannot be read back";
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      const unsigned long pixel = XGetPixel(shown.get(), x, y) & 0xFFFFFFul;
      if (pixel != expected.At(x, y)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
               std::to_string(pixel) + ", expected " + std::to_string(expected.At(x, y));
      }
    }
  }
  return {};
}

int Fail(const std::string& reason) {
  std::cout << "FAIL: " << reason << std::endl;
  return 1;
}

}  // namespace

int main() {
  using namespace quellar::x11;
  const DisplayPtr display = OpenDisplay();
  if (!display) return Fail("no display");
  MainWindow window(display.get());
  window.Place(quellar::kHwndTopmost, 0, 0, kWidth, kHeight, quellar::kSwpShowWindow);
  WindowSurface surface(std::make_unique<PlainPresenter>(display.get(), window.Id()), kWidth,
                        kHeight);

  Surface expected = Pattern(200);
  surface.ReceiveCopy(0, 0, kWidth, kHeight, expected, 0, 0);
  if (const std::string error = FirstDifference(display.get(), window.Id(), expected);
      !error.empty()) {
    return Fail("whole frame: " + error);
  }

  // A part: 20 x 10 pixels from (3, 4) of another frame to (10, 5) of the window.
  const Surface other = Pattern(50);
  surface.ReceiveCopy(10, 5, 20, 10, other, 3, 4);
  quellar::softgdi::CopyPixels(expected, 10, 5, 20, 10, other, 3, 4);
  if (const std::string error = FirstDifference(display.get(), window.Id(), expected);
      !error.empty()) {
    return Fail("partial copy: " + error);
  }
  std::cout << "ok" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  return 0;
}
