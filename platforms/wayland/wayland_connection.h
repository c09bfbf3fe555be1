#pragma once
// frmMain's loop on a Wayland connection: the seat's events and the keys it repeats, the
// monotonic clock, the run's signals, and a wait on the connection and the signals at once.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platforms/desktop/loop_connection.h"
#include "platforms/desktop/run_signals.h"
#include "platforms/wayland/wayland_display.h"

namespace quellar::wayland {

class WaylandConnection final : public desktop::LoopConnection {
 public:
  // `onShown` runs once, when every output has shown a frame.
  WaylandConnection(WaylandDisplay& display, desktop::RunSignals& signals,
                    std::function<void()> onShown)
      : display_(display), signals_(signals), onShown_(std::move(onShown)) {}

  std::int64_t Now() override { return desktop::MonotonicNanoseconds(); }
  desktop::SignalRequest TakeSignals() override { return signals_.Take(); }
  int Arrived() override;
  desktop::WindowEvent Take() override;
  // The surfaces take the outputs' sizes, whatever the window's.
  void ResizeSurface(std::int32_t /*width*/, std::int32_t /*height*/) override {}
  std::optional<std::string> TakeError() override;
  // The surfaces last as long as the connection.
  bool WindowExists() override { return !lost_; }
  void WaitUntil(std::int64_t deadline) override;
  // The connection failed: the compositor went, or closed it.
  bool Lost() const { return lost_; }

 private:
  WaylandDisplay& display_;
  desktop::RunSignals& signals_;
  std::function<void()> onShown_;
  bool lost_ = false;
  bool reported_ = false;
};

}  // namespace quellar::wayland
