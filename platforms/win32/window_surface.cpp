#include "platforms/win32/window_surface.h"

#include <algorithm>

#include "platforms/softgdi/column_boxes.h"

namespace quellar::win32 {
namespace {

LONG Width(const RECT& area) {
  return area.right - area.left;
}
LONG Height(const RECT& area) {
  return area.bottom - area.top;
}

bool Meet(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

void WindowSurface::Writing(HDC target, RECT box) {
  Area* shown = AreaOf(target);
  if (shown == nullptr) return;
  if (!tick_.running && !shown->savedAside) shown->SaveAside(copies_);
  shown->unpresented.Add({box.left, box.top, Width(box), Height(box)});
}

bool WindowSurface::Present(HDC window, RECT area, HDC source, POINT sourceOrigin, DWORD rop) {
  Area* shown = AreaOf(source);
  if (shown == nullptr) shown = areas_.emplace_back(std::make_unique<Area>()).get();
  const bool copied = shown->shown && shown->IsAt(area, sourceOrigin)
                          ? CopyChanges(window, *shown, rop)
                          : copies_.BitBlt(window, area.left, area.top, Width(area), Height(area),
                                           source, sourceOrigin.x, sourceOrigin.y, rop);
  // The window no longer shows the other back buffers where this one went.
  for (const auto& other : areas_) {
    if (other.get() != shown && Meet(other->area, area)) other->shown = false;
  }
  shown->source = source;
  shown->area = area;
  shown->sourceOrigin = sourceOrigin;
  shown->shown = copied;
  shown->unpresented.Clear();
  shown->savedAside = false;
  return copied;
}

bool WindowSurface::CopyChanges(HDC window, const Area& shown, DWORD rop) {
  const RECT& area = shown.area;
  const POINT origin = shown.sourceOrigin;
  softgdi::MergeColumnBoxes(shown.unpresented.Boxes(),
                            {origin.x, origin.y, Width(area), Height(area)}, requests_);
  bool copied = true;
  for (const softgdi::Box& box : requests_) {
    copied &= copies_.BitBlt(window, box.x + area.left - origin.x, box.y + area.top - origin.y,
                             box.width, box.height, shown.source, box.x, box.y, rop);
  }
  return copied;
}

void WindowSurface::WindowChanged() {
  for (const auto& area : areas_) area->shown = false;
}

void WindowSurface::Forget(HDC dc) {
  std::erase_if(areas_, [dc](const std::unique_ptr<Area>& shown) { return shown->source == dc; });
}

// A repaint copies every area whole, so afterwards the window shows each as last presented.
void WindowSurface::Repaint(HDC window) {
  for (const auto& shown : areas_) {
    shown->Repaint(window, copies_);
    shown->shown = true;
  }
}

WindowSurface::Area* WindowSurface::AreaOf(HDC source) {
  const auto found = std::find_if(areas_.begin(), areas_.end(),
                                  [source](const auto& shown) { return shown->source == source; });
  return found == areas_.end() ? nullptr : found->get();
}

bool WindowSurface::Area::IsAt(RECT at, POINT origin) const {
  return EqualRect(&area, &at) != FALSE && sourceOrigin.x == origin.x && sourceOrigin.y == origin.y;
}

// The bitmap is kept for later frames of the same size.
void WindowSurface::Area::SaveAside(PixelCopies& copies) {
  if (!savedDc || savedSize.cx != Width(area) || savedSize.cy != Height(area)) {
    savedDc.reset(CreateCompatibleDC(source));
    savedBitmap.reset(CreateCompatibleBitmap(source, Width(area), Height(area)));
    SelectObject(savedDc.get(), savedBitmap.get());
    savedSize = {Width(area), Height(area)};
  }
  copies.BitBlt(savedDc.get(), 0, 0, Width(area), Height(area), source, sourceOrigin.x,
                sourceOrigin.y, SRCCOPY);
  savedAside = true;
}

void WindowSurface::Area::Repaint(HDC window, PixelCopies& copies) const {
  const HDC from = savedAside ? savedDc.get() : source;
  const POINT origin = savedAside ? POINT{0, 0} : sourceOrigin;
  copies.BitBlt(window, area.left, area.top, Width(area), Height(area), from, origin.x, origin.y,
                SRCCOPY);
}

}  // namespace quellar::win32
