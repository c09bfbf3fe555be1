// What reaches the presenter after the window has changed size: the grown part never had a
// copy, and the source's changes know nothing of it, so the next copy goes whole.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "windows/x11/window_surface.h"
// clang-format on

namespace quellar::x11 {
namespace {

struct WidthsShown : Presenter {
  void Show(const softgdi::Surface& /*frame*/, std::span<const softgdi::Box> boxes) override {
    for (const softgdi::Box& box : boxes) widths.push_back(box.width);
  }
  std::vector<std::int32_t> widths;
};

TEST(WindowSurfaceTest, AfterAResizeTheNextCopyIsTakenWhole) {
  auto presenter = std::make_unique<WidthsShown>();
  const std::vector<std::int32_t>& widths = presenter->widths;
  WindowSurface surface(std::move(presenter), 50, 50);
  surface.Resize(100, 50);
  const softgdi::Box cell{0, 0, 16, 20};
  for (int copy = 0; copy < 2; ++copy) {
    surface.ReceiveChanges(0, 0, 100, 50, softgdi::Surface(100, 50), 0, 0, {&cell, 1});
  }
  EXPECT_EQ(widths, (std::vector<std::int32_t>{100, 16}));
}

}  // namespace
}  // namespace quellar::x11
