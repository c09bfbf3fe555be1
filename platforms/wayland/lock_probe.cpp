#include "platforms/wayland/lock_probe.h"

#include <quellar-input-inhibitor-client.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

namespace quellar::wayland {
namespace {

struct Disconnect {
  void operator()(wl_display* display) const { wl_display_disconnect(display); }
};
// Frees a proxy on our side without a request: for objects of a connection about to close.
struct Forget {
  void operator()(void* proxy) const { wl_proxy_destroy(static_cast<wl_proxy*>(proxy)); }
};

void BindInhibitor(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                   std::uint32_t /*version*/) {
  if (std::strcmp(interface, zwlr_input_inhibit_manager_v1_interface.name) != 0) return;
  *static_cast<zwlr_input_inhibit_manager_v1**>(data) = static_cast<zwlr_input_inhibit_manager_v1*>(
      wl_registry_bind(registry, name, &zwlr_input_inhibit_manager_v1_interface, 1));
}
void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}

}  // namespace

bool LockScreenUp() {
  const std::unique_ptr<wl_display, Disconnect> display(wl_display_connect(nullptr));
  if (!display) return false;
  zwlr_input_inhibit_manager_v1* bound = nullptr;
  const std::unique_ptr<wl_registry, Forget> registry(wl_display_get_registry(display.get()));
  static const wl_registry_listener listener{&BindInhibitor, &IgnoreRemoval};
  wl_registry_add_listener(registry.get(), &listener, &bound);
  const bool answered = wl_display_roundtrip(display.get()) >= 0;
  const std::unique_ptr<zwlr_input_inhibit_manager_v1, Forget> manager(bound);
  if (!answered || !manager) return false;
  std::unique_ptr<zwlr_input_inhibitor_v1, Forget> inhibitor(
      zwlr_input_inhibit_manager_v1_get_inhibitor(manager.get()));
  if (wl_display_roundtrip(display.get()) < 0) {
    return wl_display_get_error(display.get()) == EPROTO;
  }
  zwlr_input_inhibitor_v1_destroy(inhibitor.release());
  wl_display_roundtrip(display.get());
  return false;
}

}  // namespace quellar::wayland
