#pragma once
// frmMain's message loop, on one thread: a termination signal ends the run, every X event that
// has arrived is handled, then the timers that are due fire, then the loop sleeps on the
// connection and the signals until the next timer is due or something arrives.

#include <X11/Xlib.h>

#include <cstdint>

#include "windows/frm_main.h"
#include "windows/timers/form_timers.h"
#include "windows/x11/input.h"
#include "windows/x11/main_window.h"
#include "windows/x11/termination_signals.h"
#include "windows/x11/window_surface.h"

namespace quellar::x11 {

// The timers' clock: monotonic milliseconds.
std::int64_t MonotonicMilliseconds();

class EventLoop {
 public:
  EventLoop(Display* display, FormTimers& timers, TerminationSignals& signals, MainWindow& window,
            WindowSurface& surface, FrmMain& form);

  // Returns only by an exception: the end of the process, a run-time error.
  [[noreturn]] void Run();

 private:
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
  TerminationSignals& signals_;
  MainWindow& window_;
  WindowSurface& surface_;
  FrmMain& form_;
  ClickTracker clicks_;
  static constexpr std::int64_t kMonitorLookInterval = 500;
  std::int64_t nextMonitorLook_ = 0;
};

}  // namespace quellar::x11
