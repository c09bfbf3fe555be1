#include "platforms/wayland/output.h"

namespace quellar::wayland {
Output::Output(std::uint32_t name, wl_output* output, zxdg_output_manager_v1* manager)
    : name_(name),
      output_(output),
      description_(zxdg_output_manager_v1_get_xdg_output(manager, output)) {
  static const wl_output_listener listener{
      &Output::OnGeometry, &Output::OnMode, &Output::OnDone, &Output::OnScale,
      // Names and descriptions come with version 4, which is not bound.
      [](void*, wl_output*, const char*) {}, [](void*, wl_output*, const char*) {}};
  wl_output_add_listener(output_, &listener, this);
  static const zxdg_output_v1_listener described{&Output::OnLogicalPosition, &Output::OnLogicalSize,
                                                 &Output::OnXdgDone, &Output::OnXdgName,
                                                 &Output::OnXdgDescription};
  zxdg_output_v1_add_listener(description_.get(), &described, this);
}

Output::~Output() {
  surface_.reset();
  description_.reset();
  Release(output_, wl_output_release, wl_output_destroy);
}

void Output::Cover(const SurfaceGlobals& globals) {
  if (!described_) return;
  if (surface_ && !surface_->Closed() && surfaceScale_ == geometry_.scale) return;
  surface_.reset();
  surfaceScale_ = geometry_.scale;
  surface_ = std::make_unique<OutputSurface>(globals, output_, surfaceScale_);
}

// wlroots reports every output at 0,0 here: the layout's places come from xdg-output.
void Output::OnGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                        std::int32_t, const char*, const char*, std::int32_t) {}
void Output::OnMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}

// Ends every description, xdg-output's included (its own done is deprecated since version 3).
void Output::OnDone(void* data, wl_output* /*output*/) {
  auto& self = *static_cast<Output*>(data);
  self.described_ = self.geometry_.width > 0 && self.geometry_.height > 0;
}

void Output::OnScale(void* data, wl_output* /*output*/, std::int32_t factor) {
  static_cast<Output*>(data)->geometry_.scale = factor;
}

void Output::OnLogicalPosition(void* data, zxdg_output_v1* /*output*/, std::int32_t x,
                               std::int32_t y) {
  auto& geometry = static_cast<Output*>(data)->geometry_;
  geometry.x = x;
  geometry.y = y;
}

void Output::OnLogicalSize(void* data, zxdg_output_v1* /*output*/, std::int32_t width,
                           std::int32_t height) {
  auto& geometry = static_cast<Output*>(data)->geometry_;
  geometry.width = width;
  geometry.height = height;
}

void Output::OnXdgDone(void*, zxdg_output_v1*) {}
void Output::OnXdgName(void*, zxdg_output_v1*, const char*) {}
void Output::OnXdgDescription(void*, zxdg_output_v1*, const char*) {}

}  // namespace quellar::wayland
