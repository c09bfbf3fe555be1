#pragma once
// Device contexts and bitmaps over pixel surfaces, for the platforms without GDI. Handles are
// small positive numbers from one table, never used twice; a device context holds at most one
// selected bitmap. The window's device context sends what is copied to it to a WindowTarget
// instead, together with the parts that changed since that window last received the same
// bitmap at the same place: a frame of rain changes a few cells per column, and a window that
// keeps what it showed need not take the rest again.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "engine/platform.h"
#include "platforms/softgdi/damage.h"
#include "platforms/softgdi/surface.h"
#include "platforms/softgdi/tick_state.h"

namespace quellar::softgdi {

// Receives the pixels copied to a window's device context, in window coordinates; it clips to
// the window's current size.
class WindowTarget {
 public:
  virtual ~WindowTarget() = default;
  // Runs Timer1's handler as a tick.
  template <typename Handler>
  void DuringTick(Handler&& handler) {
    tick_->Run(std::forward<Handler>(handler));
  }
  // A copy of `source` from (sourceX, sourceY) to (x, y), where only the boxes `changed` (window
  // coordinates, inside the copy) can differ from what this window received before; a target
  // that keeps nothing takes it all.
  virtual void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height, const Surface& source, std::int32_t sourceX,
                              std::int32_t sourceY, std::span<const Box> changed) = 0;
  // `source`'s bitmap is being deleted: a target that shows it where its pixels lie keeps what
  // it shows of it now.
  virtual void Forget(const Surface& /*source*/) {}

 protected:
  // Shared with the bitmaps the window shows, which may outlive it.
  std::shared_ptr<const TickState> Tick() const { return tick_; }

 private:
  std::shared_ptr<TickState> tick_ = std::make_shared<TickState>();
};

class SoftGdi {
 public:
  // A copy to a window sends at most as many boxes as a bitmap's damage keeps: with room for
  // them from the start, presenting allocates nothing.
  SoftGdi() { changed_.reserve(Damage::kMaxBoxes); }

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
  // Deletes `dc` and, unless another DC holds them, the bitmap selected into it and the one it
  // was made with: nothing selects a bitmap again once its DC is gone.
  bool DeleteDC(Handle dc);
  // SRCCOPY only; clipped to both sides. False on a bad handle or another raster operation.
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop);

  // The surface selected into a memory DC, or null.
  const Surface* SurfaceOf(Handle dc) const;

  // A part of a window that shows a bitmap: `area` in window coordinates shows the bitmap's
  // pixels moved by (dx, dy).
  struct ShownPart {
    const Surface* surface = nullptr;
    Box area;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
  };
  // What the window DC of `target` shows where, to show it again; the parts do not overlap.
  std::vector<ShownPart> PartsShownOn(const WindowTarget& target) const;

 private:
  // Where a copy to a window came from: a bitmap, moved by (dx, dy).
  struct WindowSource {
    Handle bitmap = 0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    bool operator==(const WindowSource&) const = default;
  };
  // A part of a window and what it shows. A window shows one bitmap, or one per monitor.
  struct Shown {
    WindowSource source;
    Box area;
  };
  struct DeviceContext {
    WindowTarget* window = nullptr;  // set for a window's DC
    Handle selected = 0;
    Handle own = 0;            // the 1x1 bitmap a memory DC is made with
    std::vector<Shown> shows;  // a window's DC only
  };
  struct Bitmap {
    Surface surface;
    // Per window DC that was sent this bitmap: what was written into it since the last time.
    std::vector<std::pair<Handle, Damage>> unshown;
  };
  struct Selected {
    Handle handle;
    Bitmap& bitmap;
  };
  Handle SelectedHandle(Handle dc) const;  // 0 for a window's DC or a bad handle
  void DeleteUnlessSelected(Handle bitmap);
  std::optional<Selected> SelectedBitmap(Handle dc);
  Damage& UnshownOn(Bitmap& bitmap, Handle windowDc);
  void CopyToWindow(Handle windowDc, DeviceContext& window, const Selected& source, std::int32_t x,
                    std::int32_t y, std::int32_t width, std::int32_t height, std::int32_t sourceX,
                    std::int32_t sourceY);
  Handle NewHandle() { return nextHandle_++; }

  std::map<Handle, DeviceContext> dcs_;
  std::map<Handle, Bitmap> bitmaps_;  // map nodes stay put: surfaces may be held by address
  std::vector<Box> changed_;          // for every copy to a window
  Handle nextHandle_ = 1;
};

}  // namespace quellar::softgdi
