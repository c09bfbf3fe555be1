// What reaches the presenter: the changed parts of each copy that fall on the window, and the
// last frame again after an exposure or a resize.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "windows/x11/window_surface.h"
// clang-format on

#include <tuple>
#include <vector>

namespace quellar::x11 {
namespace {

using softgdi::Box;
using softgdi::Surface;

struct Shown {
  Box box;
  softgdi::Pixel topLeft;
  std::int32_t frameWidth;
};

class RecordingPresenter : public Presenter {
 public:
  explicit RecordingPresenter(std::vector<Shown>& shown) : shown_(shown) {}
  void Show(const Surface& frame, std::span<const Box> boxes) override {
    for (const Box& box : boxes) shown_.push_back({box, frame.At(box.x, box.y), frame.width});
  }

 private:
  std::vector<Shown>& shown_;
};

Surface Filled(std::int32_t width, std::int32_t height, softgdi::Pixel pixel) {
  Surface surface(width, height);
  surface.pixels.assign(surface.pixels.size(), pixel);
  return surface;
}

// The rectangle of the last box shown and the colour at its top-left corner.
void ExpectLastShown(const std::vector<Shown>& shown, Box box, softgdi::Pixel topLeft) {
  ASSERT_FALSE(shown.empty());
  const Box& put = shown.back().box;
  EXPECT_EQ(std::tie(put.x, put.y, put.width, put.height),
            std::tie(box.x, box.y, box.width, box.height));
  EXPECT_EQ(shown.back().topLeft, topLeft);
}

class WindowSurfaceTest : public testing::Test {
 protected:
  WindowSurface MakeSurface(std::int32_t width, std::int32_t height) {
    return WindowSurface(std::make_unique<RecordingPresenter>(shown_), width, height);
  }
  std::vector<Shown> shown_;
};

// A preview window shows the top-left part of the 320 x 240 back buffer.
TEST_F(WindowSurfaceTest, ACopyLargerThanTheWindowIsClippedToIt) {
  WindowSurface surface = MakeSurface(152, 112);
  surface.ReceiveCopy(0, 0, 320, 240, Filled(320, 240, 0x00FF00), 0, 0);
  EXPECT_EQ(shown_.size(), 1u);
  ExpectLastShown(shown_, {0, 0, 152, 112}, 0x00FF00u);
}

TEST_F(WindowSurfaceTest, ACopyOutsideTheWindowShowsNothing) {
  WindowSurface surface = MakeSurface(152, 112);
  surface.ReceiveCopy(200, 0, 16, 20, Filled(16, 20, 0xFFFFFF), 0, 0);
  EXPECT_TRUE(shown_.empty());
}

TEST_F(WindowSurfaceTest, OnlyTheChangedPartsAreTakenAndShown) {
  WindowSurface surface = MakeSurface(100, 50);
  surface.ReceiveCopy(0, 0, 100, 50, Filled(100, 50, 0x111111), 0, 0);
  const Box changed[] = {{10, 20, 16, 20}, {90, 40, 16, 20}, {0, 0, 0, 0}};
  // Moved by (2, 1): the changes are in window coordinates, the source is read 2 left, 1 up.
  surface.ReceiveChanges(2, 1, 98, 49, Filled(100, 50, 0x222222), 0, 0, changed);
  ASSERT_EQ(shown_.size(), 3u);
  EXPECT_EQ(shown_[1].box.x, 10);
  ExpectLastShown(shown_, {90, 40, 10, 10}, 0x222222u);
  surface.Repaint({0, 0, 100, 50});
  EXPECT_EQ(shown_.back().topLeft, 0x111111u) << "unchanged parts keep the first copy";
}

TEST_F(WindowSurfaceTest, AnExposureShowsTheLastFrameAgainInsideTheWindow) {
  WindowSurface surface = MakeSurface(100, 50);
  surface.ReceiveCopy(0, 0, 100, 50, Filled(100, 50, 0x123456), 0, 0);
  surface.Repaint({90, 40, 30, 30});
  EXPECT_EQ(shown_.size(), 2u);
  ExpectLastShown(shown_, {90, 40, 10, 10}, 0x123456u);
}

TEST_F(WindowSurfaceTest, ResizingKeepsWhatWasShownAndFollowsTheNewSize) {
  WindowSurface surface = MakeSurface(1, 1);
  surface.ReceiveCopy(0, 0, 1, 1, Filled(1, 1, 0xABCDEF), 0, 0);
  surface.Resize(1024, 768);
  surface.Repaint({0, 0, 2000, 2000});
  ExpectLastShown(shown_, {0, 0, 1024, 768}, 0xABCDEFu);
  EXPECT_EQ(shown_.back().frameWidth, 1024);
}

// The grown part never had a copy; the source's changes know nothing of it.
TEST_F(WindowSurfaceTest, AfterAResizeTheNextCopyIsTakenWhole) {
  WindowSurface surface = MakeSurface(50, 50);
  surface.Resize(100, 50);
  const Box changed{0, 0, 16, 20};
  surface.ReceiveChanges(0, 0, 100, 50, Filled(100, 50, 0x00FF00), 0, 0, {&changed, 1});
  ExpectLastShown(shown_, {0, 0, 100, 50}, 0x00FF00u);
  surface.ReceiveChanges(0, 0, 100, 50, Filled(100, 50, 0x0000FF), 0, 0, {&changed, 1});
  ExpectLastShown(shown_, changed, 0x0000FFu);
}

}  // namespace
}  // namespace quellar::x11
