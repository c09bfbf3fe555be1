#pragma once
// A wl_shm buffer of XRGB pixels, in memory shared with the compositor, which reads it from the
// moment it is attached and committed until it sends the buffer's release: only then may it be
// written again.

#include <wayland-client.h>

#include <cstdint>
#include <span>

#include "platforms/softgdi/damage.h"
#include "platforms/softgdi/surface.h"
#include "platforms/wayland/wayland_ptr.h"

namespace quellar::wayland {

class ShmBuffer {
 public:
  // Black. Raises a RuntimeError when the memory cannot be had.
  ShmBuffer(wl_shm* shm, std::int32_t width, std::int32_t height);
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::span<softgdi::Pixel> Pixels() { return pixels_; }
  std::span<const softgdi::Pixel> Pixels() const { return pixels_; }
  wl_buffer* Get() const { return buffer_.get(); }

  // The compositor may read it until it releases it. `frame` counts the surface's commits.
  void Attached(std::uint64_t frame) {
    held_ = true;
    lastAttached_ = frame;
  }
  bool Held() const { return held_; }
  std::uint64_t LastAttached() const { return lastAttached_; }
  // What changed on the surface since this buffer's pixels were brought up to date.
  softgdi::Damage& Stale() { return stale_; }

 private:
  static void OnRelease(void* data, wl_buffer* buffer);

  std::int32_t width_;
  std::int32_t height_;
  std::span<softgdi::Pixel> pixels_;
  WaylandPtr<wl_buffer> buffer_;
  bool held_ = false;
  std::uint64_t lastAttached_ = 0;
  softgdi::Damage stale_;
};

}  // namespace quellar::wayland
