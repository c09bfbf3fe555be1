#include "platforms/win32/window_surface.h"

#include <algorithm>

namespace quellar::win32 {
namespace {

LONG Width(const RECT& area) {
  return area.right - area.left;
}
LONG Height(const RECT& area) {
  return area.bottom - area.top;
}

}  // namespace

void PresentedFrame::Presented(HDC source, RECT area, POINT sourceOrigin) {
  Area* shown = AreaOf(source);
  if (shown == nullptr) shown = areas_.emplace_back(std::make_unique<Area>()).get();
  shown->source = source;
  shown->area = area;
  shown->sourceOrigin = sourceOrigin;
  shown->savedAside = false;
}

void PresentedFrame::BeforeDrawingInto(HDC target) {
  if (inTick_) return;
  if (Area* shown = AreaOf(target); shown != nullptr && !shown->savedAside) shown->SaveAside();
}

void PresentedFrame::Forget(HDC dc) {
  std::erase_if(areas_, [dc](const std::unique_ptr<Area>& shown) { return shown->source == dc; });
}

void PresentedFrame::Repaint(HDC window) const {
  for (const auto& shown : areas_) shown->Repaint(window);
}

PresentedFrame::Area* PresentedFrame::AreaOf(HDC source) {
  const auto found = std::find_if(areas_.begin(), areas_.end(),
                                  [source](const auto& shown) { return shown->source == source; });
  return found == areas_.end() ? nullptr : found->get();
}

// The bitmap is kept for later frames of the same size.
void PresentedFrame::Area::SaveAside() {
  if (!savedDc || savedSize.cx != Width(area) || savedSize.cy != Height(area)) {
    savedDc.reset(CreateCompatibleDC(source));
    savedBitmap.reset(CreateCompatibleBitmap(source, Width(area), Height(area)));
    SelectObject(savedDc.get(), savedBitmap.get());
    savedSize = {Width(area), Height(area)};
  }
  BitBlt(savedDc.get(), 0, 0, Width(area), Height(area), source, sourceOrigin.x, sourceOrigin.y,
         SRCCOPY);
  savedAside = true;
}

void PresentedFrame::Area::Repaint(HDC window) const {
  const HDC from = savedAside ? savedDc.get() : source;
  const POINT origin = savedAside ? POINT{0, 0} : sourceOrigin;
  BitBlt(window, area.left, area.top, Width(area), Height(area), from, origin.x, origin.y, SRCCOPY);
}

}  // namespace quellar::win32
