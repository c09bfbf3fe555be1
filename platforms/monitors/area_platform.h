#pragma once
// One monitor's share of the full-screen window. The engine on it is told of a screen the size
// of its area, and what it presents lands at the area's place in the window; it places the
// window over every monitor. Until it is placed it passes everything on unchanged: a preview,
// the dialog and the notice never are.

#include <functional>

#include "platforms/monitors/forwarding_platform.h"
#include "platforms/monitors/monitor_layout.h"

namespace quellar::monitors {

class AreaPlatform : public ForwardingPlatform {
 public:
  // `onFirstScreenQuestion` runs when the engine first asks for the screen's size, which only a
  // full-screen run does: it places this area.
  AreaPlatform(Platform& inner, std::function<void()> onFirstScreenQuestion = {})
      : ForwardingPlatform(inner), onFirstScreenQuestion_(std::move(onFirstScreenQuestion)) {}

  // `area` is in the window's coordinates; `window` is where the window covers the desktop.
  void Place(Rect area, Rect window);
  bool Placed() const { return placed_; }

  ScreenTwips ScreenSize() override;
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  Handle GetWindowDC(Handle window) override;
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override;

 private:
  std::function<void()> onFirstScreenQuestion_;
  bool placed_ = false;
  Rect area_;
  Rect window_;
  Handle windowDc_ = 0;
};

}  // namespace quellar::monitors
