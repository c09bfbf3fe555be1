#pragma once
// frmMain's message loop, on one thread: a termination signal ends the run, every X event that
// has arrived is handled, then the timers that are due fire, then the loop sleeps on the
// connection and the signals until the next timer is due or something arrives. A guest in a
// host's window took nothing from the desktop: a termination signal, or the window's end,
// simply ends it, and a new size of the window or SIGUSR1 ends its loop, for a new engine.

#include <X11/Xlib.h>

#include <cstdint>

#include "platforms/forms/frm_main.h"
#include "platforms/input/click_tracker.h"
#include "platforms/timers/form_timers.h"
#include "platforms/x11/input.h"
#include "platforms/x11/rain_window.h"
#include "platforms/x11/run_signals.h"
#include "platforms/x11/window_surface.h"

namespace quellar::x11 {

// The timers' clock: monotonic nanoseconds.
std::int64_t MonotonicNanoseconds();
inline constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

// Whose window the loop serves.
enum class WindowOwner { kProgram, kHost };

class EventLoop {
 public:
  EventLoop(Display* display, FormTimers& timers, RunSignals& signals, RainWindow& window,
            WindowSurface& surface, FrmMain& form, WindowOwner owner);

  // Returns only when a guest is to start afresh (its window has changed size, or SIGUSR1
  // came); otherwise it ends by an exception: the end of the process, a run-time error.
  void Run();

 private:
  bool Guest() const { return owner_ == WindowOwner::kHost; }
  void TakeSignals();
  void RaiseXError();
  void DispatchPendingEvents();
  void Dispatch(XEvent& event);
  void OnKeyPress(XKeyEvent& event);
  void OnButtonPress(const XButtonEvent& event);
  void OnStructureChange(const XEvent& event);
  void FireDueTimers();
  void LookAtMonitors();
  void WaitForWork();

  Display* display_;
  FormTimers& timers_;
  RunSignals& signals_;
  RainWindow& window_;
  WindowSurface& surface_;
  FrmMain& form_;
  const WindowOwner owner_;
  input::ClickTracker clicks_;
  bool freshStart_ = false;
  static constexpr std::int64_t kMonitorLookInterval = 500 * kNanosecondsPerMillisecond;
  std::int64_t nextMonitorLook_ = 0;
};

}  // namespace quellar::x11
