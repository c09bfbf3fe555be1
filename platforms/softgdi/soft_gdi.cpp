#include "platforms/softgdi/soft_gdi.h"

#include <algorithm>
#include <string>

#include "engine/runtime_error.h"
#include "platforms/softgdi/bmp.h"

namespace quellar::softgdi {

Handle SoftGdi::CreateWindowDC(WindowTarget& target) {
  const Handle dc = NewHandle();
  dcs_[dc] = DeviceContext{&target, 0, 0, {}};
  return dc;
}

// A new memory DC holds a 1x1 stock bitmap, as GDI's do; copies into it change one pixel.
Handle SoftGdi::CreateCompatibleDC(Handle /*dc*/) {
  const Handle dc = NewHandle();
  const Handle own = AddBitmap(Surface(1, 1));
  dcs_[dc] = DeviceContext{nullptr, own, own, {}};
  return dc;
}

// New bitmaps are black, which the rain relies on.
Handle SoftGdi::CreateCompatibleBitmap(Handle /*dc*/, std::int32_t width, std::int32_t height) {
  return AddBitmap(Surface(width, height));
}

Handle SoftGdi::AddBitmap(Surface surface) {
  const Handle bitmap = NewHandle();
  bitmaps_[bitmap].surface = std::move(surface);
  return bitmap;
}

Handle SoftGdi::AddBitmapResource(std::int16_t id, std::span<const std::uint8_t> file) {
  const std::string name = "bitmap resource " + std::to_string(id);
  if (file.empty()) throw RuntimeError(name + " is missing");
  DecodedBmp decoded = DecodeBmp(file);
  if (const std::string* error = std::get_if<std::string>(&decoded)) {
    throw RuntimeError(name + " cannot be loaded: " + *error);
  }
  return AddBitmap(std::get<Surface>(std::move(decoded)));
}

Handle SoftGdi::SelectObject(Handle dc, Handle bitmap) {
  const auto found = dcs_.find(dc);
  if (found == dcs_.end() || found->second.window != nullptr || !bitmaps_.contains(bitmap)) {
    return 0;
  }
  const Handle previous = found->second.selected;
  found->second.selected = bitmap;
  return previous;
}

bool SoftGdi::DeleteDC(Handle dc) {
  const auto found = dcs_.find(dc);
  if (found == dcs_.end()) return false;
  const Handle selected = found->second.selected;
  const Handle own = found->second.own;
  dcs_.erase(found);
  // What bitmaps kept for a window's DC is of no use once it is gone.
  for (auto& [handle, bitmap] : bitmaps_) {
    std::erase_if(bitmap.unshown, [dc](const auto& entry) { return entry.first == dc; });
  }
  DeleteUnlessSelected(selected);
  DeleteUnlessSelected(own);
  return true;
}

void SoftGdi::DeleteUnlessSelected(Handle bitmap) {
  const auto found = bitmaps_.find(bitmap);
  if (found == bitmaps_.end()) return;
  for (const auto& [handle, dc] : dcs_) {
    if (dc.selected == bitmap) return;
  }
  for (const auto& [handle, dc] : dcs_) {
    if (dc.window != nullptr) dc.window->Forget(found->second.surface);
  }
  bitmaps_.erase(found);
}

Handle SoftGdi::SelectedHandle(Handle dc) const {
  const auto found = dcs_.find(dc);
  return found == dcs_.end() ? 0 : found->second.selected;
}

std::optional<SoftGdi::Selected> SoftGdi::SelectedBitmap(Handle dc) {
  const auto bitmap = bitmaps_.find(SelectedHandle(dc));
  if (bitmap == bitmaps_.end()) return std::nullopt;
  return Selected{bitmap->first, bitmap->second};
}

const Surface* SoftGdi::SurfaceOf(Handle dc) const {
  const auto bitmap = bitmaps_.find(SelectedHandle(dc));
  return bitmap == bitmaps_.end() ? nullptr : &bitmap->second.surface;
}

std::vector<SoftGdi::ShownPart> SoftGdi::PartsShownOn(const WindowTarget& target) const {
  std::vector<ShownPart> parts;
  for (const auto& [handle, dc] : dcs_) {
    if (dc.window != &target) continue;
    for (const Shown& shown : dc.shows) {
      const auto bitmap = bitmaps_.find(shown.source.bitmap);
      if (bitmap == bitmaps_.end()) continue;
      parts.push_back({&bitmap->second.surface, shown.area, shown.source.dx, shown.source.dy});
    }
  }
  return parts;
}

// A bitmap starts keeping what a window has not seen at its first copy to that window.
Damage& SoftGdi::UnshownOn(Bitmap& bitmap, Handle windowDc) {
  for (auto& [dc, damage] : bitmap.unshown) {
    if (dc == windowDc) return damage;
  }
  return bitmap.unshown.emplace_back(windowDc, Damage{}).second;
}

void SoftGdi::CopyToWindow(Handle windowDc, DeviceContext& window, const Selected& source,
                           std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           std::int32_t sourceX, std::int32_t sourceY) {
  Damage& unshown = UnshownOn(source.bitmap, windowDc);
  const WindowSource copy{source.handle, x - sourceX, y - sourceY};
  const Box target{x, y, width, height};
  const auto showsCopy = [&copy](const Shown& shown) { return shown.source == copy; };
  // The window shows something else where this copy goes (another bitmap, or this one at
  // another place, or nothing yet): all of it is new there.
  if (std::none_of(window.shows.begin(), window.shows.end(), showsCopy)) {
    unshown.Clear();
    unshown.Add({0, 0, source.bitmap.surface.width, source.bitmap.surface.height});
  }
  const Box copied{sourceX, sourceY, width, height};
  changed_.clear();
  for (const Box box : unshown.Boxes()) {
    const Box part = Intersect(box, copied);
    if (!part.Empty())
      changed_.push_back({part.x + copy.dx, part.y + copy.dy, part.width, part.height});
  }
  unshown.RemoveInside(copied);
  std::erase_if(window.shows, [&](const Shown& shown) {
    return showsCopy(shown) || !Intersect(shown.area, target).Empty();
  });
  window.shows.push_back({copy, target});
  window.window->ReceiveChanges(x, y, width, height, source.bitmap.surface, sourceX, sourceY,
                                changed_);
}

bool SoftGdi::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
                     std::uint32_t rop) {
  const std::optional<Selected> from = SelectedBitmap(source);
  const auto to = dcs_.find(destination);
  if (rop != kSrcCopy || !from || to == dcs_.end()) return false;
  if (to->second.window != nullptr) {
    CopyToWindow(destination, to->second, *from, x, y, width, height, sourceX, sourceY);
    return true;
  }
  const std::optional<Selected> target = SelectedBitmap(destination);
  if (!target) return false;
  const Box written = CopyPixels(target->bitmap.surface, x, y, width, height, from->bitmap.surface,
                                 sourceX, sourceY);
  for (auto& [windowDc, damage] : target->bitmap.unshown) damage.Add(written);
  return true;
}

}  // namespace quellar::softgdi
