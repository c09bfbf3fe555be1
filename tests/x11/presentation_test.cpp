// A window shows exactly what was copied to its device context, through plain requests and
// through shared memory, at depths 24 and 32: random frames of cells, in whole and in part, a
// frame presented while the one before is still in flight, an exposure and a grown window, each
// read back from the server. Needs a display: x11_presentation.sh runs it on a server with
// MIT-SHM and on one without, where the shared-memory presenter falls back to plain requests.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
// clang-format on

#include <random>
#include <string>

#include "windows/softgdi/soft_gdi.h"
#include "windows/x11/display.h"
#include "windows/x11/plain_presenter.h"
#include "windows/x11/shm_presenter.h"
#include "windows/x11/window_surface.h"
#include "windows/x11/x_errors.h"
#include "windows/x11/x_owned.h"

namespace quellar::x11 {
namespace {

using softgdi::Box;
using softgdi::Surface;

// The buffer is larger than the window at first, as in a preview; then the window grows to it.
constexpr Box kBuffer{0, 0, 200, 120};
constexpr Box kFirstWindow{0, 0, 150, 100};

// One connection for every case: a server resets when its last client leaves, and turns the
// next one away while it does.
Display* TheDisplay() {
  static const DisplayPtr display = OpenDisplay();
  return display.get();
}

// A mapped, exposed window of that depth with a black background; None without such a visual.
::Window MapWindow(Display* display, int depth) {
  XVisualInfo info{};
  if (!XMatchVisualInfo(display, XDefaultScreen(display), depth, TrueColor, &info)) return None;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.colormap = XCreateColormap(display, XDefaultRootWindow(display), info.visual, 0);
  attributes.event_mask = ExposureMask;
  const ::Window window = XCreateWindow(
      display, XDefaultRootWindow(display), 0, 0, kFirstWindow.width, kFirstWindow.height, 0, depth,
      InputOutput, info.visual,
      CWBackPixel | CWBorderPixel | CWOverrideRedirect | CWColormap | CWEventMask, &attributes);
  XMapRaised(display, window);
  XEvent event;
  XWindowEvent(display, window, ExposureMask, &event);
  return window;
}

class PresentationTest : public testing::TestWithParam<std::tuple<bool, int>> {
 protected:
  void SetUp() override {
    ASSERT_NE(display_, nullptr) << "no display";
    window_ = OwnedWindow(display_, MapWindow(display_, std::get<1>(GetParam())));
    ASSERT_NE(window_.Get(), None) << "no TrueColor visual of that depth";
    std::unique_ptr<Presenter> presenter;
    if (std::get<0>(GetParam())) {
      presenter = std::make_unique<ShmPresenter>(display_, window_.Get());
      shared_ = static_cast<ShmPresenter*>(presenter.get());
    } else {
      presenter = std::make_unique<PlainPresenter>(display_, window_.Get());
    }
    surface_.emplace(std::move(presenter), kFirstWindow.width, kFirstWindow.height);
    windowDc_ = gdi_.CreateWindowDC(*surface_);
    buffer_ = NewDc(Surface(kBuffer.width, kBuffer.height));
    Surface noise(752, 66);
    for (softgdi::Pixel& pixel : noise.pixels) pixel = random_() & 0xFFFFFFu;
    sheet_ = NewDc(std::move(noise));
  }

  Handle NewDc(Surface surface) {
    const Handle dc = gdi_.CreateCompatibleDC(windowDc_);
    gdi_.SelectObject(dc, gdi_.AddBitmap(std::move(surface)));
    return dc;
  }
  std::int32_t Random(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(random_);
  }
  // Cells of the sheet, some across the buffer's edges, and now and then a larger block.
  void Draw() {
    for (int cell = Random(0, 40); cell > 0; --cell) {
      gdi_.BitBlt(buffer_, Random(-16, kBuffer.width), Random(-20, kBuffer.height), 16, 20, sheet_,
                  16 * Random(0, 46), 22 * Random(0, 2), kSrcCopy);
    }
    if (Random(0, 9) == 0) {
      gdi_.BitBlt(buffer_, Random(-50, 150), Random(-30, 90), 100, 50, sheet_, 0, 0, kSrcCopy);
    }
  }
  // Mostly the whole buffer, as the engine presents; sometimes a part of it.
  Box RandomPart() {
    if (Random(0, 3) > 0) return kBuffer;
    const std::int32_t x = Random(0, kBuffer.width - 1);
    const std::int32_t y = Random(0, kBuffer.height - 1);
    return {x, y, Random(1, kBuffer.width - x), Random(1, kBuffer.height - y)};
  }
  void Present(Box part) {
    gdi_.BitBlt(windowDc_, part.x, part.y, part.width, part.height, buffer_, part.x, part.y,
                kSrcCopy);
    softgdi::CopyPixels(expected_, part.x, part.y, part.width, part.height,
                        *gdi_.SurfaceOf(buffer_), part.x, part.y);
  }
  void Frames() {
    for (int frame = 0; frame < 60; ++frame) {
      Draw();
      Present(RandomPart());
      if (frame % 4 == 0) {
        gdi_.BitBlt(buffer_, 0, 0, 16, 20, sheet_, 0, 0, kSrcCopy);
        Present(kBuffer);
        // Through shared memory, the next frame waits for the server to have read this one.
        ASSERT_TRUE(shared_ == nullptr || !shared_->SharesMemory() || !surface_->Settled());
        Draw();
        Present(RandomPart());
      }
      ASSERT_NO_FATAL_FAILURE(ExpectShown("frame " + std::to_string(frame)));
    }
  }

  // Handles events, as the event loop would, until everything presented is on the window; then
  // reads the window back.
  void ExpectShown(const std::string& when) {
    XSync(display_, False);
    while (XPending(display_) > 0 || !surface_->Settled()) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == Expose) {
        surface_->Repaint(
            {event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height});
      } else {
        surface_->HandleEvent(event);
      }
      XSync(display_, False);
    }
    ASSERT_EQ(TakeXError(display_).value_or("none"), "none") << when;
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    const std::unique_ptr<XImage, decltype(destroy)> shown(
        XGetImage(display_, window_.Get(), 0, 0, static_cast<unsigned>(expected_.width),
                  static_cast<unsigned>(expected_.height), AllPlanes, ZPixmap),
        destroy);
    for (std::int32_t y = 0; y < expected_.height; ++y) {
      for (std::int32_t x = 0; x < expected_.width; ++x) {
        ASSERT_EQ(XGetPixel(shown.get(), x, y) & 0xFFFFFFul, expected_.At(x, y))
            << when << ", pixel (" << x << ", " << y << ")";
      }
    }
  }

  Display* display_ = TheDisplay();
  OwnedWindow window_;
  std::mt19937 random_{20240229};
  std::optional<WindowSurface> surface_;
  const ShmPresenter* shared_ = nullptr;
  softgdi::SoftGdi gdi_;
  Handle windowDc_ = 0;
  Handle buffer_ = 0;
  Handle sheet_ = 0;
  Surface expected_{kFirstWindow.width, kFirstWindow.height};  // what the window must show
};

TEST_P(PresentationTest, TheWindowShowsExactlyWhatWasPresented) {
  if (shared_ != nullptr) {
    EXPECT_EQ(shared_->SharesMemory(), XShmQueryExtension(display_) != False)
        << "shared memory wherever the server offers it";
  }
  ASSERT_NO_FATAL_FAILURE(Frames());
  XClearArea(display_, window_.Get(), 10, 10, 50, 40, True);
  ASSERT_NO_FATAL_FAILURE(ExpectShown("an exposure"));
  XResizeWindow(display_, window_.Get(), kBuffer.width, kBuffer.height);
  surface_->Resize(kBuffer.width, kBuffer.height);
  Surface grown(kBuffer.width, kBuffer.height);
  softgdi::CopyPixels(grown, 0, 0, expected_.width, expected_.height, expected_, 0, 0);
  expected_ = std::move(grown);
  ASSERT_NO_FATAL_FAILURE(ExpectShown("the grown window"));
  ASSERT_NO_FATAL_FAILURE(Frames());
}

INSTANTIATE_TEST_SUITE_P(PresentersAndDepths, PresentationTest,
                         testing::Combine(testing::Values(false, true), testing::Values(24, 32)));

}  // namespace
}  // namespace quellar::x11
