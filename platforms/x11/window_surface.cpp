#include "platforms/x11/window_surface.h"

#include <X11/extensions/XShm.h>

#include <algorithm>
#include <utility>

#include "engine/runtime_error.h"
#include "platforms/softgdi/damage.h"

namespace quellar::x11 {

using softgdi::Box;

WindowSurface::WindowSurface(Display* display, ::Window window, const softgdi::SoftGdi& gdi,
                             std::int32_t width, std::int32_t height)
    : display_(display),
      window_(window),
      format_(XrgbFormatOf(display, window)),
      gdi_(gdi),
      gc_(display, XCreateGC(display, window, 0, nullptr)),
      bounds_{0, 0, width, height} {
  if (XShmQueryExtension(display_)) completionType_ = XShmGetEventBase(display_) + ShmCompletion;
  // A copy brings at most the boxes of a bitmap's damage.
  shown_.reserve(softgdi::Damage::kMaxBoxes);
}

std::unique_ptr<WindowBitmap> WindowSurface::NewBitmap(std::int32_t width, std::int32_t height) {
  return std::make_unique<WindowBitmap>(display_, window_, format_, completionType_, width, height,
                                        bitmaps_, Tick());
}

WindowBitmap* WindowSurface::BitmapOf(const softgdi::Surface& surface) const {
  const auto found = std::ranges::find(*bitmaps_, surface.Store());
  return found == bitmaps_->end() ? nullptr : *found;
}

void WindowSurface::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height, const softgdi::Surface& source,
                                   std::int32_t sourceX, std::int32_t sourceY,
                                   std::span<const Box> changed) {
  const Box copy = softgdi::Intersect({x, y, width, height}, bounds_);
  if (copy.Empty()) return;
  WindowBitmap* bitmap = BitmapOf(source);
  if (bitmap == nullptr) throw RuntimeError("only bitmaps made for the window can be shown on it");
  if (std::exchange(resized_, false) || wholeFrames_) changed = {&copy, 1};
  const std::int32_t dx = x - sourceX;
  const std::int32_t dy = y - sourceY;
  shown_.clear();
  for (const Box box : changed) {
    const Box part = softgdi::Intersect(box, copy);
    if (!part.Empty()) shown_.push_back({part.x - dx, part.y - dy, part.width, part.height});
  }
  bitmap->Show(shown_, dx, dy);
}

void WindowSurface::Resize(std::int32_t width, std::int32_t height) {
  if (width == bounds_.width && height == bounds_.height) return;
  bounds_ = {0, 0, width, height};
  resized_ = true;
}

void WindowSurface::Repaint(Box box) {
  const Box exposed = softgdi::Intersect(box, bounds_);
  if (exposed.Empty()) return;
  const std::vector<softgdi::SoftGdi::ShownPart> parts = gdi_.PartsShownOn(*this);
  FillBlackUnlessShown(exposed, parts);
  for (const auto& part : parts) {
    const Box shown = softgdi::Intersect(part.area, exposed);
    WindowBitmap* bitmap = BitmapOf(*part.surface);
    if (shown.Empty() || bitmap == nullptr) continue;
    bitmap->Repaint({shown.x - part.dx, shown.y - part.dy, shown.width, shown.height}, part.dx,
                    part.dy);
  }
}

// Bitmaps cover the whole window while a run shows; before its first frame, or past the edge
// of a smaller bitmap, the window shows black.
void WindowSurface::FillBlackUnlessShown(Box exposed,
                                         std::span<const softgdi::SoftGdi::ShownPart> parts) {
  std::int64_t covered = 0;
  for (const auto& part : parts) {
    const Box bitmap{part.dx, part.dy, part.surface->width, part.surface->height};
    const Box shown = softgdi::Intersect(softgdi::Intersect(part.area, bitmap), exposed);
    if (BitmapOf(*part.surface) != nullptr && !shown.Empty()) {
      covered += std::int64_t{shown.width} * shown.height;
    }
  }
  if (covered == std::int64_t{exposed.width} * exposed.height) return;
  XSetForeground(display_, gc_.Get(), OpaqueBitsOf(format_));
  XFillRectangle(display_, window_, gc_.Get(), exposed.x, exposed.y,
                 static_cast<unsigned>(exposed.width), static_cast<unsigned>(exposed.height));
}

bool WindowSurface::HandleEvent(const XEvent& event) {
  return std::ranges::any_of(
      *bitmaps_, [&event](WindowBitmap* bitmap) { return bitmap->TakeCompletion(event); });
}

bool WindowSurface::Settled() const {
  return std::ranges::all_of(*bitmaps_,
                             [](const WindowBitmap* bitmap) { return bitmap->Settled(); });
}

}  // namespace quellar::x11
