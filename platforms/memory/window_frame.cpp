#include "platforms/memory/window_frame.h"

#include <algorithm>
#include <utility>

namespace quellar::memory {

using softgdi::Box;
using softgdi::Intersect;

class WindowFrame::Bitmap : public softgdi::PixelStore {
 public:
  Bitmap(std::int32_t width, std::int32_t height, WindowFrame& window)
      : width_(width),
        pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
        window_(window) {}

  std::span<softgdi::Pixel> Pixels() override { return pixels_; }
  std::span<const softgdi::Pixel> Pixels() const { return pixels_; }
  std::int32_t Width() const { return width_; }
  void BeforeWrite(Box box) override { window_.BeforeWrite(*this, box); }
  const WindowFrame& Window() const { return window_; }

 private:
  std::int32_t width_;
  std::vector<softgdi::Pixel> pixels_;
  WindowFrame& window_;
};

std::unique_ptr<softgdi::PixelStore> WindowFrame::NewBitmap(std::int32_t width,
                                                            std::int32_t height) {
  return std::make_unique<Bitmap>(std::max(width, 0), std::max(height, 0), *this);
}

bool WindowFrame::IsMine(const softgdi::Surface& source) const {
  const auto* bitmap = dynamic_cast<const Bitmap*>(source.Store());
  return bitmap != nullptr && &bitmap->Window() == this;
}

const softgdi::Surface& WindowFrame::Pixels() const {
  for (const ShownPart& part : parts_) PutTogether(part);
  return pixels_;
}

// The bitmap's pixels, then what it held where drawing has overwritten them since: kept newest
// first, the oldest pixels of a box kept twice are the ones that stay.
void WindowFrame::PutTogether(const ShownPart& part) const {
  const Box& area = part.area;
  softgdi::CopyPixels(pixels_, area.x, area.y, area.width, area.height, *part.source,
                      area.x - part.dx, area.y - part.dy);
  part.saved.ForEachNewestFirst([&](Box kept, std::span<const softgdi::Pixel> old) {
    const Box shown =
        Intersect({kept.x + part.dx, kept.y + part.dy, kept.width, kept.height}, area);
    if (shown.Empty()) return;
    softgdi::CopyRows(&old[static_cast<std::size_t>(shown.y - part.dy - kept.y) *
                               static_cast<std::size_t>(kept.width) +
                           static_cast<std::size_t>(shown.x - part.dx - kept.x)],
                      kept.width, &pixels_.At(shown.x, shown.y), pixels_.width, shown.width,
                      shown.height);
  });
}

template <typename Predicate>
void WindowFrame::SettlePartsWhere(Predicate settles) {
  std::erase_if(parts_, [&](const ShownPart& part) {
    if (!settles(part)) return false;
    PutTogether(part);
    return true;
  });
}

void WindowFrame::SettleParts(Box area) {
  SettlePartsWhere([area](const ShownPart& part) { return !Intersect(part.area, area).Empty(); });
}

void WindowFrame::Forget(const softgdi::Surface& source) {
  SettlePartsWhere([&source](const ShownPart& part) { return part.source == &source; });
}

void WindowFrame::BeforeWrite(const Bitmap& bitmap, Box box) {
  if (Tick()->running) return;
  for (ShownPart& part : parts_) {
    if (part.source->Store() == &bitmap) part.saved.Keep(bitmap.Pixels(), bitmap.Width(), box);
  }
}

void WindowFrame::Resize(std::int32_t width, std::int32_t height) {
  if (width == pixels_.width && height == pixels_.height) return;
  SettleParts({0, 0, pixels_.width, pixels_.height});
  parts_.clear();
  softgdi::Surface resized(width, height);
  softgdi::CopyPixels(resized, 0, 0, pixels_.width, pixels_.height, pixels_, 0, 0);
  pixels_ = std::move(resized);
}

// A presentation: the part shows the bitmap as it is now, and nothing kept before counts.
void WindowFrame::Show(Box copy, const softgdi::Surface& source, std::int32_t dx, std::int32_t dy) {
  const Box area = Intersect(Intersect(copy, {0, 0, pixels_.width, pixels_.height}),
                             {dx, dy, source.width, source.height});
  for (ShownPart& part : parts_) {
    if (part.source == &source && part.area == area && part.dx == dx && part.dy == dy) {
      part.saved.Clear();
      return;
    }
  }
  SettleParts(area);
  if (!area.Empty()) parts_.push_back({&source, area, dx, dy, {}});
}

void WindowFrame::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height, const softgdi::Surface& source,
                                 std::int32_t sourceX, std::int32_t sourceY,
                                 std::span<const softgdi::Box> /*changed*/) {
  if (IsMine(source)) return Show({x, y, width, height}, source, x - sourceX, y - sourceY);
  SettleParts({x, y, width, height});
  softgdi::CopyPixels(pixels_, x, y, width, height, source, sourceX, sourceY);
}

}  // namespace quellar::memory
