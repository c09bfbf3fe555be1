#pragma once
// What the memory platform's window shows: the copies that reach its device context, cut to the
// window's size. After the first copy to a place only the parts that changed are taken, as a
// real window keeps what it was shown.

#include <cstdint>
#include <span>
#include <vector>

#include "windows/softgdi/soft_gdi.h"

namespace quellar::memory {

class WindowFrame : public softgdi::WindowTarget {
 public:
  const softgdi::Surface& Pixels() const { return pixels_; }
  // Follows the window's size; what was shown stays at the top-left, new parts are black.
  void Resize(std::int32_t width, std::int32_t height);

  void ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const softgdi::Surface& source, std::int32_t sourceX,
                   std::int32_t sourceY) override;
  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;

 private:
  softgdi::Surface pixels_;
  // The places that had a whole copy since the last resize. A frame that shrank lost what lay
  // beyond its new edge, and one that grew shows black there, while the bitmaps copied to it
  // count those parts as shown: the first copy to each place after a resize goes whole.
  std::vector<softgdi::Box> copiedWhole_;
};

}  // namespace quellar::memory
