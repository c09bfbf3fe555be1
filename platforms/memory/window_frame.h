#pragma once
// What the memory platform's window shows, cut to the window's size. A bitmap made for the
// window (NewBitmap: a monitor engine's back buffer) is shown where its pixels are, not copied at
// each presentation: from then on, what drawing overwrites in it before the next presentation
// is kept first (a save-under), so the window still shows the frame last presented. Other
// bitmaps are copied whole. Reading the frame puts it together.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platforms/softgdi/save_under.h"
#include "platforms/softgdi/soft_gdi.h"

namespace quellar::memory {

class WindowFrame : public softgdi::WindowTarget {
 public:
  // The pixels of a bitmap this window shows where they are; the window outlives them.
  std::unique_ptr<softgdi::PixelStore> NewBitmap(std::int32_t width, std::int32_t height);

  const softgdi::Surface& Pixels() const;
  // Follows the window's size; what was shown stays at the top-left, new parts are black.
  void Resize(std::int32_t width, std::int32_t height);

  // Takes all of every copy.
  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;
  // The parts showing `source` keep what they show, in the frame's own pixels.
  void Forget(const softgdi::Surface& source) override;

 private:
  class Bitmap;
  // A part of the window that shows a bitmap of its own: `area` shows the source's pixels
  // moved by (dx, dy), as they were when last presented.
  struct ShownPart {
    const softgdi::Surface* source;
    softgdi::Box area;
    std::int32_t dx;
    std::int32_t dy;
    softgdi::SaveUnder saved;
  };

  bool IsMine(const softgdi::Surface& source) const;
  void Show(softgdi::Box copy, const softgdi::Surface& source, std::int32_t dx, std::int32_t dy);
  void BeforeWrite(const Bitmap& bitmap, softgdi::Box box);
  // Puts the parts that `area` meets, or that `settles` picks, into the pixels for good, and
  // forgets them.
  void SettleParts(softgdi::Box area);
  template <typename Predicate>
  void SettlePartsWhere(Predicate settles);
  void PutTogether(const ShownPart& part) const;

  mutable softgdi::Surface pixels_;  // as of the last reading, where parts show bitmaps
  std::vector<ShownPart> parts_;
};

}  // namespace quellar::memory
