#pragma once
// What frmMain's window shows: the target of its device context. The window spans the outputs'
// layout in device pixels from `origin`; a copy to it goes, box by box, to the surface of every
// output it meets, and each such surface sends it as soon as the compositor lets it.

#include <cstdint>
#include <vector>

#include "platforms/softgdi/soft_gdi.h"
#include "platforms/wayland/wayland_display.h"

namespace quellar::wayland {

class WindowSurface : public softgdi::WindowTarget {
 public:
  explicit WindowSurface(WaylandDisplay& display);

  // The window's top-left corner in the layout.
  void MoveTo(std::int32_t x, std::int32_t y);

  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;

 private:
  WaylandDisplay& display_;
  std::int32_t originX_ = 0;
  std::int32_t originY_ = 0;
  std::vector<softgdi::Box> onOutput_;  // for every copy, with room for the most it can hold
};

}  // namespace quellar::wayland
