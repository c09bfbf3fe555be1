#pragma once
// One output of the compositor: where the layout places it and at what scale (wl_output with its
// xdg-output description), and the rain's surface on it once it is known.

#include <wayland-client.h>
#include <xdg-output-unstable-v1-client.h>

#include <cstdint>
#include <memory>

#include "platforms/wayland/output_surface.h"
#include "platforms/wayland/pixel_layout.h"

namespace quellar::wayland {

class Output {
 public:
  // `name` is the output's global; `output` is bound, and described through `manager`.
  Output(std::uint32_t name, wl_output* output, zxdg_output_manager_v1* manager);
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  std::uint32_t Name() const { return name_; }
  // Its place, size and scale are known.
  bool Described() const { return described_; }
  const OutputGeometry& Geometry() const { return geometry_; }
  // Gives the output a surface of the rain if it has none, or one of the wrong scale or that the
  // compositor closed.
  void Cover(const SurfaceGlobals& globals);
  // Null until covered.
  OutputSurface* Surface() const { return surface_.get(); }

 private:
  static void OnGeometry(void* data, wl_output* output, std::int32_t x, std::int32_t y,
                         std::int32_t physicalWidth, std::int32_t physicalHeight,
                         std::int32_t subpixel, const char* make, const char* model,
                         std::int32_t transform);
  static void OnMode(void* data, wl_output* output, std::uint32_t flags, std::int32_t width,
                     std::int32_t height, std::int32_t refresh);
  static void OnDone(void* data, wl_output* output);
  static void OnScale(void* data, wl_output* output, std::int32_t factor);
  static void OnLogicalPosition(void* data, zxdg_output_v1* output, std::int32_t x, std::int32_t y);
  static void OnLogicalSize(void* data, zxdg_output_v1* output, std::int32_t width,
                            std::int32_t height);
  static void OnXdgDone(void* data, zxdg_output_v1* output);
  static void OnXdgName(void* data, zxdg_output_v1* output, const char* name);
  static void OnXdgDescription(void* data, zxdg_output_v1* output, const char* description);

  const std::uint32_t name_;
  wl_output* output_;
  WaylandPtr<zxdg_output_v1> description_;
  OutputGeometry geometry_;
  // The surface's scale; the one described may have changed since.
  std::int32_t surfaceScale_ = 0;
  bool described_ = false;
  std::unique_ptr<OutputSurface> surface_;
};

}  // namespace quellar::wayland
