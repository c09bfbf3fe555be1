// Checks that after every presentation the window shows exactly what was copied to its device
// context. Random frames of cells are drawn into a back buffer through the soft GDI and copied
// to a real window through a real presenter, in whole and in part, two at a time (the second
// while the first is still in flight), after an exposure and after the window has grown; each
// time the window is read back and compared pixel by pixel.
//
// Usage: x11_presentation_check plain|shared [24|32]  (the presenter; the window's depth)
// Prints "ok plain-requests" or "ok shared-memory" (how the frames went) and keeps the window,
// showing a known pattern, until a line comes on standard input, so that a script can take a
// screenshot; or prints "FAIL: ..." and exits with status 1.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "windows/softgdi/soft_gdi.h"
#include "windows/x11/display.h"
#include "windows/x11/plain_presenter.h"
#include "windows/x11/shm_presenter.h"
#include "windows/x11/window_surface.h"
#include "windows/x11/x_errors.h"

namespace {

using namespace quellar;
using softgdi::Box;
using softgdi::Surface;

// The buffer is larger than the window at first, as in a preview; then the window grows to it.
constexpr std::int32_t kBufferWidth = 200;
constexpr std::int32_t kBufferHeight = 120;
constexpr std::int32_t kFirstWidth = 150;
constexpr std::int32_t kFirstHeight = 100;
constexpr int kFramesPerSize = 60;

struct CheckFailed {
  std::string reason;
};

struct ImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

// The pixels (x, y) of the pattern differ in every channel from their neighbours, so that an
// offset or a channel swap shows, and a script can check one of them on a screenshot.
Surface Pattern(std::int32_t width, std::int32_t height) {
  Surface surface(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      surface.At(x, y) =
          softgdi::Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y * 2), 200);
    }
  }
  return surface;
}

Surface Noise(std::int32_t width, std::int32_t height, std::mt19937& random) {
  Surface surface(width, height);
  for (softgdi::Pixel& pixel : surface.pixels) pixel = random() & 0xFFFFFFu;
  return surface;
}

// A window of the given depth with a black background, mapped and exposed.
::Window MapWindow(Display* display, int depth) {
  const int screen = XDefaultScreen(display);
  const ::Window root = XDefaultRootWindow(display);
  XVisualInfo info{};
  if (!XMatchVisualInfo(display, screen, depth, TrueColor, &info)) {
    throw CheckFailed{"no TrueColor visual of depth " + std::to_string(depth)};
  }
  XSetWindowAttributes attributes{};
  attributes.background_pixel = 0;
  attributes.border_pixel = 0;
  attributes.override_redirect = True;
  attributes.colormap = XCreateColormap(display, root, info.visual, AllocNone);
  attributes.event_mask = ExposureMask | StructureNotifyMask;
  const ::Window window = XCreateWindow(
      display, root, 0, 0, kFirstWidth, kFirstHeight, 0, depth, InputOutput, info.visual,
      CWBackPixel | CWBorderPixel | CWOverrideRedirect | CWColormap | CWEventMask, &attributes);
  XMapRaised(display, window);
  XEvent event;
  XWindowEvent(display, window, ExposureMask, &event);
  return window;
}

class Check {
 public:
  Check(Display* display, ::Window window, std::unique_ptr<x11::Presenter> presenter,
        const x11::ShmPresenter* shared)
      : display_(display),
        window_(window),
        shared_(shared),
        surface_(std::move(presenter), kFirstWidth, kFirstHeight),
        windowDc_(gdi_.CreateWindowDC(surface_)),
        buffer_(NewDc(Surface(kBufferWidth, kBufferHeight))),
        sheet_(NewDc(Noise(752, 66, random_))),
        expected_(kFirstWidth, kFirstHeight) {}

  void Run() {
    Frames("frames in a smaller window");
    Uncover({10, 10, 50, 40});
    Grow(kBufferWidth, kBufferHeight);
    Frames("frames after the window grew");
    Draw(NewDc(Pattern(kBufferWidth, kBufferHeight)), 0, 0, kBufferWidth, kBufferHeight);
    Present({0, 0, kBufferWidth, kBufferHeight});
    Compare("the pattern");
  }

 private:
  Handle NewDc(Surface surface) {
    const Handle dc = gdi_.CreateCompatibleDC(windowDc_);
    gdi_.SelectObject(dc, gdi_.AddBitmap(std::move(surface)));
    return dc;
  }

  std::int32_t Random(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(random_);
  }

  void Draw(Handle source, std::int32_t x, std::int32_t y, std::int32_t width,
            std::int32_t height) {
    gdi_.BitBlt(buffer_, x, y, width, height, source, 0, 0, kSrcCopy);
  }

  // Cells of the sheet, some across the buffer's edges, and now and then a larger block.
  void DrawFrame() {
    for (int cell = Random(0, 40); cell > 0; --cell) {
      gdi_.BitBlt(buffer_, Random(-16, kBufferWidth), Random(-20, kBufferHeight), 16, 20, sheet_,
                  16 * Random(0, 46), 22 * Random(0, 2), kSrcCopy);
    }
    if (Random(0, 9) == 0) Draw(sheet_, Random(-50, 150), Random(-30, 90), 100, 50);
  }

  void Present(Box part) {
    gdi_.BitBlt(windowDc_, part.x, part.y, part.width, part.height, buffer_, part.x, part.y,
                kSrcCopy);
    softgdi::CopyPixels(expected_, part.x, part.y, part.width, part.height,
                        *gdi_.SurfaceOf(buffer_), part.x, part.y);
  }

  // Mostly the whole buffer, as the engine presents; sometimes a part of it.
  Box PresentedPart() {
    if (Random(0, 3) > 0) return {0, 0, kBufferWidth, kBufferHeight};
    const std::int32_t x = Random(0, kBufferWidth - 1);
    const std::int32_t y = Random(0, kBufferHeight - 1);
    return {x, y, Random(1, kBufferWidth - x), Random(1, kBufferHeight - y)};
  }

  void Frames(const std::string& phase) {
    for (int frame = 0; frame < kFramesPerSize; ++frame) {
      DrawFrame();
      Present(PresentedPart());
      if (frame % 4 == 0) SecondFrameInFlight();
      Compare(phase + ", frame " + std::to_string(frame));
    }
  }

  // A frame presented while the one before is still with the server must not be lost.
  void SecondFrameInFlight() {
    Draw(sheet_, 0, 0, 16, 20);
    Present({0, 0, kBufferWidth, kBufferHeight});
    if (shared_ != nullptr && shared_->SharesMemory() && surface_.Settled()) {
      throw CheckFailed{"a frame through shared memory was not waiting for its completion"};
    }
    DrawFrame();
    Present(PresentedPart());
  }

  void Uncover(Box box) {
    XClearArea(display_, window_, box.x, box.y, static_cast<unsigned>(box.width),
               static_cast<unsigned>(box.height), True);
    Compare("an exposure");
  }

  void Grow(std::int32_t width, std::int32_t height) {
    XResizeWindow(display_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    surface_.Resize(width, height);
    Surface grown(width, height);
    softgdi::CopyPixels(grown, 0, 0, expected_.width, expected_.height, expected_, 0, 0);
    expected_ = std::move(grown);
    Compare("the grown window");
  }

  // Handles events until everything presented is on the window, as the event loop would.
  void Settle() {
    XSync(display_, False);
    while (XPending(display_) > 0 || !surface_.Settled()) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == Expose) {
        surface_.Repaint(
            {event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height});
      } else {
        surface_.HandleEvent(event);
      }
      XSync(display_, False);
    }
    if (const std::optional<std::string> error = x11::TakeXError(display_)) {
      throw CheckFailed{*error};
    }
  }

  void Compare(const std::string& what) {
    Settle();
    const std::unique_ptr<XImage, ImageDeleter> shown(
        XGetImage(display_, window_, 0, 0, static_cast<unsigned>(expected_.width),
                  static_cast<unsigned>(expected_.height), AllPlanes, ZPixmap));
    if (!shown) throw CheckFailed{what + ": the window cannot be read back"};
    for (std::int32_t y = 0; y < expected_.height; ++y) {
      for (std::int32_t x = 0; x < expected_.width; ++x) {
        const unsigned long pixel = XGetPixel(shown.get(), x, y) & 0xFFFFFFul;
        if (pixel != expected_.At(x, y)) {
          throw CheckFailed{what + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") is " + std::to_string(pixel) + ", expected " +
                            std::to_string(expected_.At(x, y))};
        }
      }
    }
  }

  Display* display_;
  ::Window window_;
  const x11::ShmPresenter* shared_;
  std::mt19937 random_{20240229};
  x11::WindowSurface surface_;
  softgdi::SoftGdi gdi_;
  Handle windowDc_;
  Handle buffer_;
  Handle sheet_;
  Surface expected_;  // what the window must show
};

int Fail(const std::string& reason) {
  std::cout << "FAIL: " << reason << std::endl;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc > 1 ? argv[1] : "";
  const int depth = argc > 2 ? std::stoi(argv[2]) : 24;
  if (kind != "plain" && kind != "shared") return Fail("usage: plain|shared [24|32]");
  const x11::DisplayPtr display = x11::OpenDisplay();
  if (!display) return Fail("no display");
  try {
    const ::Window window = MapWindow(display.get(), depth);
    std::unique_ptr<x11::Presenter> presenter;
    const x11::ShmPresenter* shared = nullptr;
    if (kind == "shared") {
      auto shm = std::make_unique<x11::ShmPresenter>(display.get(), window);
      shared = shm.get();
      presenter = std::move(shm);
    } else {
      presenter = std::make_unique<x11::PlainPresenter>(display.get(), window);
    }
    // Kept until the end: a script may kill the process while it holds a shared segment.
    Check check(display.get(), window, std::move(presenter), shared);
    check.Run();
    std::cout << (shared != nullptr && shared->SharesMemory() ? "ok shared-memory"
                                                              : "ok plain-requests")
              << std::endl;
    std::string line;
    std::getline(std::cin, line);
  } catch (const CheckFailed& failure) {
    return Fail(failure.reason);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return 0;
}
