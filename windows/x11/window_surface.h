#pragma once
// What the window shows: the target of the window's device context. It keeps a copy of the
// last presented frame at the window's size, so that an exposed part can be shown again
// without the engine, and hands the rectangles that change to the presenter.

#include <memory>

#include "windows/softgdi/soft_gdi.h"
#include "windows/x11/presenter.h"

namespace quellar::x11 {

class WindowSurface : public softgdi::WindowTarget {
 public:
  WindowSurface(std::unique_ptr<Presenter> presenter, std::int32_t width, std::int32_t height);

  void ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const softgdi::Surface& source, std::int32_t sourceX,
                   std::int32_t sourceY) override;
  // Follows the window's size; what was shown stays at the top-left, new parts are black.
  void Resize(std::int32_t width, std::int32_t height);
  // Shows again the part of the frame that `box` covers (an Expose).
  void Repaint(softgdi::Box box);

 private:
  std::unique_ptr<Presenter> presenter_;
  softgdi::Surface frame_;
};

}  // namespace quellar::x11
