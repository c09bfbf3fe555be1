#include "windows/softgdi/soft_gdi.h"

#include <string>

#include "engine/runtime_error.h"
#include "windows/softgdi/bmp.h"

namespace quellar::softgdi {

Handle SoftGdi::CreateWindowDC(WindowTarget& target) {
  const Handle dc = NewHandle();
  dcs_[dc] = DeviceContext{&target, 0};
  return dc;
}

// A new memory DC holds a 1x1 stock bitmap, as GDI's do; copies into it change one pixel.
Handle SoftGdi::CreateCompatibleDC(Handle /*dc*/) {
  const Handle dc = NewHandle();
  dcs_[dc] = DeviceContext{nullptr, AddBitmap(Surface(1, 1))};
  return dc;
}

// New bitmaps are black, which the rain relies on.
Handle SoftGdi::CreateCompatibleBitmap(Handle /*dc*/, std::int32_t width, std::int32_t height) {
  return AddBitmap(Surface(width, height));
}

Handle SoftGdi::AddBitmap(Surface surface) {
  const Handle bitmap = NewHandle();
  bitmaps_[bitmap] = std::make_unique<Surface>(std::move(surface));
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

bool SoftGdi::DeleteDC(Handle dc) { return dcs_.erase(dc) == 1; }

bool SoftGdi::DeleteObject(Handle bitmap) { return bitmaps_.erase(bitmap) == 1; }

Surface* SoftGdi::SelectedSurface(Handle dc) const {
  const auto found = dcs_.find(dc);
  if (found == dcs_.end()) return nullptr;
  const auto bitmap = bitmaps_.find(found->second.selected);
  return bitmap == bitmaps_.end() ? nullptr : bitmap->second.get();
}

const Surface* SoftGdi::SurfaceOf(Handle dc) const {
  return SelectedSurface(dc);
}

bool SoftGdi::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, Handle source, std::int32_t sourceX,
                     std::int32_t sourceY, std::uint32_t rop) {
  const Surface* from = SelectedSurface(source);
  const auto to = dcs_.find(destination);
  if (rop != kSrcCopy || from == nullptr || to == dcs_.end()) return false;
  if (to->second.window != nullptr) {
    to->second.window->ReceiveCopy(x, y, width, height, *from, sourceX, sourceY);
    return true;
  }
  Surface* target = SelectedSurface(destination);
  if (target == nullptr) return false;
  CopyPixels(*target, x, y, width, height, *from, sourceX, sourceY);
  return true;
}

}  // namespace quellar::softgdi
