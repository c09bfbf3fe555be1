#pragma once
// The rain's surface on one output: a layer surface on the overlay layer, anchored to every edge
// and over any panel (exclusive zone -1), opaque, taking the keyboard exclusively, drawn at the
// output's device pixels. What a presentation brings is copied into a buffer the compositor does
// not hold, together with whatever changed since that buffer was last brought up to date; the
// surface is damaged with the presentation's boxes and committed once the compositor has shown
// the last commit (its frame callback came). While no frame callback comes (the output is off),
// presentations gather in the one buffer that waits, and nothing is sent.

#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platforms/softgdi/damage.h"
#include "platforms/softgdi/surface.h"
#include "platforms/wayland/layer_shell.h"
#include "platforms/wayland/shm_buffer.h"
#include "platforms/wayland/wayland_ptr.h"

namespace quellar::wayland {

// The globals a surface is made with.
struct SurfaceGlobals {
  wl_compositor* compositor = nullptr;
  wl_shm* shm = nullptr;
  zwlr_layer_shell_v1* layerShell = nullptr;
};

class OutputSurface {
 public:
  // Asks for a layer surface on `output`, whose scale is `scale`; it shows nothing until the
  // compositor has configured it and a presentation has brought its pixels.
  OutputSurface(const SurfaceGlobals& globals, wl_output* output, std::int32_t scale);
  OutputSurface(const OutputSurface&) = delete;
  OutputSurface& operator=(const OutputSurface&) = delete;

  bool Configured() const { return width_ > 0 && height_ > 0; }
  // The compositor will not show it again (its output went).
  bool Closed() const { return closed_; }
  // In device pixels.
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  bool Shows(const wl_surface* surface) const { return surface == surface_.get(); }

  // The pixels of `source` at (x + dx, y + dy) go to (x, y) of the surface, for every (x, y)
  // of `boxes` (surface coordinates).
  void Receive(const softgdi::Surface& source, std::int32_t dx, std::int32_t dy,
               std::span<const softgdi::Box> boxes);
  // Sends what was received, unless the compositor has yet to show the last frame sent.
  void Commit();
  // A frame was sent whose callback has not come.
  bool AwaitingFrame() const { return frameCallback_ != nullptr; }
  // The compositor has shown a frame of it.
  bool ShownAFrame() const { return shownAFrame_; }

 private:
  static void OnConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height);
  static void OnClosed(void* data, zwlr_layer_surface_v1* layer);
  static void OnFrameDone(void* data, wl_callback* callback, std::uint32_t time);

  ShmBuffer& Writable();
  ShmBuffer* FreshestFree();
  void MarkOpaque();
  void Copy(std::span<softgdi::Pixel> to, std::span<const softgdi::Pixel> from,
            std::int32_t fromWidth, softgdi::Box box, std::int32_t dx, std::int32_t dy) const;

  const SurfaceGlobals globals_;
  const std::int32_t scale_;
  WaylandPtr<wl_surface> surface_;
  WaylandPtr<zwlr_layer_surface_v1> layer_;
  WaylandPtr<wl_callback> frameCallback_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool closed_ = false;
  bool shownAFrame_ = false;
  std::vector<std::unique_ptr<ShmBuffer>> buffers_;
  ShmBuffer* front_ = nullptr;    // the last one committed
  ShmBuffer* pending_ = nullptr;  // brought up to date, waiting to be committed
  // What pending_ shows anew. wlroots repaints the bounding box of a frame's damage past 20
  // rectangles: more would cost requests and the compositor's region work for nothing.
  softgdi::Damage frameDamage_{20};
  std::uint64_t commits_ = 0;
};

}  // namespace quellar::wayland
