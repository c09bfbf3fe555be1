#include "platforms/wayland/wayland_display.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "engine/runtime_error.h"

namespace quellar::wayland {
namespace {

template <typename Object>
Object* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
             std::uint32_t offered, std::uint32_t wanted) {
  return static_cast<Object*>(
      wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

// libwayland finds a socket by its name in $XDG_RUNTIME_DIR, and says so on stderr itself when
// that is unset: the program's one line says it instead.
wl_display* Connect() {
  const std::string name = WaylandDisplayName();
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (std::getenv("WAYLAND_SOCKET") == nullptr && name.front() != '/' &&
      (runtimeDir == nullptr || *runtimeDir == '\0')) {
    throw NoLayerShellError("XDG_RUNTIME_DIR is not set, where the Wayland display \"" + name +
                            "\" would be");
  }
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    throw NoLayerShellError("cannot connect to the Wayland display \"" + name + "\"");
  }
  return display;
}

}  // namespace

std::string WaylandDisplayName() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  return name != nullptr && *name != '\0' ? name : "wayland-0";
}

WaylandDisplay::WaylandDisplay() : display_(Connect()) {
  registry_.reset(wl_display_get_registry(display_.get()));
  static const wl_registry_listener listener{&WaylandDisplay::OnGlobal,
                                             &WaylandDisplay::OnGlobalRemove};
  wl_registry_add_listener(registry_.get(), &listener, this);
  Roundtrip();
  if (!layerShell_) throw NoLayerShellError("the Wayland compositor offers no layer shell");
  if (!compositor_ || !shm_ || !outputManager_) {
    throw NoLayerShellError("the Wayland compositor lacks the compositor, shm or xdg-output");
  }
  for (const auto& [name, version] : std::exchange(unboundOutputs_, {})) AddOutput(name, version);
  Roundtrip();
}

WaylandDisplay::~WaylandDisplay() {
  outputs_.clear();
  seat_.reset();
  if (display_) wl_display_flush(display_.get());
}

void WaylandDisplay::Roundtrip() {
  if (wl_display_roundtrip(display_.get()) < 0) throw RuntimeError(Failure());
}

void WaylandDisplay::OnGlobal(void* data, wl_registry* registry, std::uint32_t name,
                              const char* interface, std::uint32_t version) {
  auto& self = *static_cast<WaylandDisplay*>(data);
  const std::string_view kind = interface;
  if (kind == wl_compositor_interface.name) {
    self.compositor_.reset(
        Bind<wl_compositor>(registry, name, wl_compositor_interface, version, 4));
  } else if (kind == wl_shm_interface.name) {
    self.shm_.reset(Bind<wl_shm>(registry, name, wl_shm_interface, version, 1));
  } else if (kind == zwlr_layer_shell_v1_interface.name) {
    self.layerShell_.reset(
        Bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface, version, 3));
  } else if (kind == zxdg_output_manager_v1_interface.name) {
    self.outputManager_.reset(
        Bind<zxdg_output_manager_v1>(registry, name, zxdg_output_manager_v1_interface, version, 3));
  } else if (kind == wl_seat_interface.name && !self.seat_) {
    self.seat_ =
        std::make_unique<Seat>(Bind<wl_seat>(registry, name, wl_seat_interface, version, 5),
                               self.events_, &desktop::MonotonicNanoseconds);
  } else if (kind == wl_output_interface.name) {
    if (self.outputManager_) {
      self.AddOutput(name, version);
    } else {
      self.unboundOutputs_.emplace_back(name, version);
    }
  }
}

void WaylandDisplay::AddOutput(std::uint32_t name, std::uint32_t version) {
  outputs_.push_back(std::make_unique<Output>(
      name, Bind<wl_output>(registry_.get(), name, wl_output_interface, version, 3),
      outputManager_.get()));
}

// An output that goes takes its surface with it; the run finds it gone at its next look.
void WaylandDisplay::OnGlobalRemove(void* data, wl_registry* /*registry*/, std::uint32_t name) {
  auto& self = *static_cast<WaylandDisplay*>(data);
  std::erase_if(self.outputs_, [name](const auto& output) { return output->Name() == name; });
  self.PlaceCoveredOutputs();
}

SurfaceGlobals WaylandDisplay::Globals() const {
  return {compositor_.get(), shm_.get(), layerShell_.get()};
}

// Only when outputs are covered or go: the places stay put between, and a copy reads them.
void WaylandDisplay::PlaceCoveredOutputs() {
  covered_.clear();
  std::vector<OutputGeometry> geometries;
  for (const auto& output : outputs_) {
    OutputSurface* surface = output->Surface();
    if (surface == nullptr || !surface->Configured() || surface->Closed()) continue;
    covered_.push_back({surface, {}});
    geometries.push_back(output->Geometry());
  }
  const std::vector<monitors::MonitorInfo> monitors = PixelLayout(geometries);
  for (std::size_t i = 0; i < covered_.size(); ++i) covered_[i].monitor = monitors[i];
}

void WaylandDisplay::CoverOutputs() {
  bool added = false;
  for (const auto& output : outputs_) {
    const OutputSurface* before = output->Surface();
    output->Cover(Globals());
    added = added || output->Surface() != before;
  }
  if (added) Roundtrip();
  PlaceCoveredOutputs();
}

// A round trip: whoever waits for the run's end finds the surfaces gone.
void WaylandDisplay::Uncover() {
  outputs_.clear();
  covered_.clear();
  wl_display_roundtrip(display_.get());
}

void WaylandDisplay::SetPointerHidden(bool hidden) {
  if (seat_) seat_->SetPointerHidden(hidden);
}

bool WaylandDisplay::AwaitingFrames() const {
  return std::ranges::any_of(outputs_, [](const auto& output) {
    return output->Surface() != nullptr && output->Surface()->AwaitingFrame();
  });
}

bool WaylandDisplay::EveryOutputShown() const {
  return !outputs_.empty() && std::ranges::all_of(outputs_, [](const auto& output) {
    return output->Surface() != nullptr && output->Surface()->ShownAFrame();
  });
}

bool WaylandDisplay::Flush() {
  return wl_display_flush(display_.get()) >= 0 || errno == EAGAIN;
}

bool WaylandDisplay::DispatchArrived() {
  wl_display* display = display_.get();
  while (wl_display_prepare_read(display) != 0) {
    if (wl_display_dispatch_pending(display) < 0) return false;
  }
  pollfd source{wl_display_get_fd(display), POLLIN, 0};
  if (poll(&source, 1, 0) > 0 && (source.revents & POLLIN) != 0) {
    if (wl_display_read_events(display) < 0) return false;
  } else {
    wl_display_cancel_read(display);
  }
  return wl_display_dispatch_pending(display) >= 0;
}

std::string WaylandDisplay::Failure() const {
  const int error = wl_display_get_error(display_.get());
  if (error == EPROTO) {
    const wl_interface* interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(display_.get(), &interface, &id);
    return "the Wayland compositor reported protocol error " + std::to_string(code) + " on " +
           (interface != nullptr ? interface->name : "an object");
  }
  return "the connection to the Wayland compositor was lost: " + std::string(std::strerror(error));
}

}  // namespace quellar::wayland
