#pragma once
// The connection to the Wayland compositor and what the run binds of its globals: the
// compositor, shared memory, the layer shell, xdg-output, the first seat, and every output, as
// they come and go.

#include <wayland-client.h>
#include <xdg-output-unstable-v1-client.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platforms/desktop/loop_connection.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/wayland/output.h"
#include "platforms/wayland/seat.h"
#include "platforms/wayland/wayland_ptr.h"

namespace quellar::wayland {

// The compositor cannot host the run: none answers, or it offers no layer shell. The message
// says which, for the line that tells why the program runs on X11 instead.
class NoLayerShellError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The compositor's socket as $WAYLAND_DISPLAY names it, or libwayland's default.
std::string WaylandDisplayName();

class WaylandDisplay {
 public:
  // Connects to $WAYLAND_DISPLAY (or the socket $WAYLAND_SOCKET hands over) and waits until the
  // outputs are described. Raises a NoLayerShellError.
  WaylandDisplay();
  ~WaylandDisplay();
  WaylandDisplay(const WaylandDisplay&) = delete;
  WaylandDisplay& operator=(const WaylandDisplay&) = delete;

  wl_display* Get() const { return display_.get(); }
  // The outputs that show a configured surface, with their places in device pixels, as the last
  // CoverOutputs found them; an output that went since is no longer among them.
  struct Covered {
    OutputSurface* surface;
    monitors::MonitorInfo monitor;
  };
  std::span<const Covered> CoveredOutputs() const { return covered_; }
  // Gives every described output a surface, waits for the compositor to configure them, and
  // places them.
  void CoverOutputs();
  // Destroys every surface: the outputs show what they showed before the run.
  void Uncover();
  void SetPointerHidden(bool hidden);
  // What the seat and the outputs' surfaces reported, in order.
  std::deque<desktop::WindowEvent>& Events() { return events_; }
  Seat* InputSeat() const { return seat_.get(); }
  bool AwaitingFrames() const;
  // Every output has a surface that has shown a frame.
  bool EveryOutputShown() const;

  // Sends what is buffered; false once the connection has failed.
  bool Flush();
  // Handles what has arrived without waiting; false once the connection has failed.
  bool DispatchArrived();
  // Why the connection failed, as a message.
  std::string Failure() const;

 private:
  static void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void OnGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
  void Roundtrip();
  void AddOutput(std::uint32_t name, std::uint32_t version);
  void PlaceCoveredOutputs();
  SurfaceGlobals Globals() const;

  struct DisplayCloser {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
  };
  std::unique_ptr<wl_display, DisplayCloser> display_;
  WaylandPtr<wl_registry> registry_;
  WaylandPtr<wl_compositor> compositor_;
  WaylandPtr<wl_shm> shm_;
  WaylandPtr<zwlr_layer_shell_v1> layerShell_;
  WaylandPtr<zxdg_output_manager_v1> outputManager_;
  std::deque<desktop::WindowEvent> events_;
  std::unique_ptr<Seat> seat_;
  std::vector<std::unique_ptr<Output>> outputs_;
  // Outputs announced before xdg-output was bound: their names and versions.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> unboundOutputs_;
  bool pointerHidden_ = false;
  std::vector<Covered> covered_;
};

}  // namespace quellar::wayland
