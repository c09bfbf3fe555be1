#pragma once
// What the window shows: the page's canvas. The changed boxes of every copy are converted into a
// frame of canvas pixels (RGBA) kept here, and put on the canvas box by box when the page hands
// control back to the browser: the canvas keeps what it was given, so nothing else is sent.

#include <cstdint>
#include <span>
#include <vector>

#include "platforms/softgdi/soft_gdi.h"

namespace quellar::web {

class CanvasTarget final : public softgdi::WindowTarget {
 public:
  // The window's size; its pixels are black until a copy reaches them.
  void Resize(std::int32_t width, std::int32_t height);

  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;
  // Puts the boxes received since the last call on the canvas.
  void Put();

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint32_t> rgba_;  // in the canvas's byte order: red, green, blue, alpha
  std::vector<softgdi::Box> pending_;
};

}  // namespace quellar::web
