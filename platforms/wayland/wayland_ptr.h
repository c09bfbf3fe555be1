#pragma once
// Wayland objects owned as unique pointers, each kind destroyed by its own request.

#include <wayland-client.h>
#include <xdg-output-unstable-v1-client.h>

#include <cstdint>
#include <memory>

#include "platforms/wayland/layer_shell.h"

namespace quellar::wayland {

struct WaylandDeleter {
  void operator()(wl_registry* object) const { wl_registry_destroy(object); }
  void operator()(wl_compositor* object) const { wl_compositor_destroy(object); }
  void operator()(wl_shm* object) const { wl_shm_destroy(object); }
  void operator()(wl_surface* object) const { wl_surface_destroy(object); }
  void operator()(wl_buffer* object) const { wl_buffer_destroy(object); }
  void operator()(wl_callback* object) const { wl_callback_destroy(object); }
  void operator()(zwlr_layer_shell_v1* object) const { zwlr_layer_shell_v1_destroy(object); }
  void operator()(zwlr_layer_surface_v1* object) const { zwlr_layer_surface_v1_destroy(object); }
  void operator()(zxdg_output_manager_v1* object) const { zxdg_output_manager_v1_destroy(object); }
  void operator()(zxdg_output_v1* object) const { zxdg_output_v1_destroy(object); }
};

template <typename Object>
using WaylandPtr = std::unique_ptr<Object, WaylandDeleter>;

// Gives back a seat, keyboard, pointer or output: their release request came with version 3 of
// each interface, and an older object can only be destroyed on our side.
template <typename Object>
void Release(Object* object, void (*release)(Object*), void (*destroy)(Object*)) {
  constexpr std::uint32_t kReleaseVersion = 3;
  if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(object)) >= kReleaseVersion) {
    release(object);
  } else {
    destroy(object);
  }
}

}  // namespace quellar::wayland
