#pragma once
// Device contexts and bitmaps over pixel surfaces, for the platforms without GDI. Handles are
// small positive numbers from one table; a device context holds at most one selected bitmap.
// The window's device context sends what is copied to it to a WindowTarget instead.

#include <cstdint>
#include <map>
#include <memory>
#include <span>

#include "engine/platform.h"
#include "windows/softgdi/surface.h"

namespace quellar::softgdi {

// Receives the pixels copied to a window's device context, in window coordinates; it clips to
// the window's current size.
class WindowTarget {
 public:
  virtual ~WindowTarget() = default;
  virtual void ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, const Surface& source, std::int32_t sourceX,
                           std::int32_t sourceY) = 0;
};

class SoftGdi {
 public:
  Handle CreateWindowDC(WindowTarget& target);
  Handle CreateCompatibleDC(Handle dc);
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height);
  Handle AddBitmap(Surface surface);
  // A bitmap from the BMP file of resource `id`; a missing or malformed file is a RuntimeError
  // that names the resource.
  Handle AddBitmapResource(std::int16_t id, std::span<const std::uint8_t> file);
  // Returns the bitmap selected before (the DC's own 1x1 stock bitmap at first), 0 on a bad
  // handle.
  Handle SelectObject(Handle dc, Handle bitmap);
  bool DeleteDC(Handle dc);
  bool DeleteObject(Handle bitmap);
  // SRCCOPY only; clipped to both sides. False on a bad handle or another raster operation.
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop);

  // The surface selected into a memory DC, or null.
  const Surface* SurfaceOf(Handle dc) const;
  std::size_t LiveDeviceContexts() const { return dcs_.size(); }

 private:
  struct DeviceContext {
    WindowTarget* window = nullptr;  // set for a window's DC
    Handle selected = 0;
  };
  Surface* SelectedSurface(Handle dc) const;
  Handle NewHandle() { return nextHandle_++; }

  std::map<Handle, DeviceContext> dcs_;
  std::map<Handle, std::unique_ptr<Surface>> bitmaps_;
  Handle nextHandle_ = 1;
};

}  // namespace quellar::softgdi
