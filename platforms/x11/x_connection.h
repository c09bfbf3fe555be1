#pragma once
// frmMain's loop on a real X connection: Xlib's events, with exposures and the surface's
// completions dealt with here; the monotonic clock; the run's signals; a wait on the connection
// and the signals at once.

#include <X11/Xlib.h>

#include <cstdint>

#include "platforms/desktop/loop_connection.h"
#include "platforms/desktop/run_signals.h"
#include "platforms/x11/rain_window.h"
#include "platforms/x11/window_surface.h"

namespace quellar::x11 {

class XConnection final : public desktop::LoopConnection {
 public:
  XConnection(Display* display, desktop::RunSignals& signals, RainWindow& window,
              WindowSurface& surface)
      : display_(display), signals_(signals), window_(window), surface_(surface) {}

  std::int64_t Now() override { return desktop::MonotonicNanoseconds(); }
  desktop::SignalRequest TakeSignals() override;
  int Arrived() override;
  desktop::WindowEvent Take() override;
  void ResizeSurface(std::int32_t width, std::int32_t height) override {
    surface_.Resize(width, height);
  }
  std::optional<std::string> TakeError() override;
  bool WindowExists() override;
  void WaitUntil(std::int64_t deadline) override;

 private:
  desktop::WindowEvent OfWindow(const XEvent& event);

  Display* display_;
  desktop::RunSignals& signals_;
  RainWindow& window_;
  WindowSurface& surface_;
  // Whether the last wait left the signals or the server's connection with something to read:
  // a wait that timed out with nothing waiting spares the next round a read of each (a tick
  // that reads nothing is cheaper), and one that did not wait rules nothing out.
  bool signalsMayWait_ = true;
  bool serverMayHaveSent_ = true;
};

}  // namespace quellar::x11
