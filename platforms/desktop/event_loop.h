#pragma once
// frmMain's message loop, on one thread, in rounds: a termination signal ends the run; the
// events that had arrived when the round began are handled; every timer that is due fires once,
// Timer1 before tmrOSD; the loop sleeps until the next timer is due or something arrives (what
// arrives while the server has yet to read the last frame waits for the next tick, or 50 ms at
// most: see XConnection::WaitUntil). A guest in a host's window took nothing from the desktop: a
// termination signal, or the window's end, simply ends it, and a new size of the window or SIGUSR1
// ends its loop, for a new engine. The program's own window takes whatever size it is given, and
// its surface follows.

#include <cstdint>

#include "platforms/desktop/loop_connection.h"
#include "platforms/forms/form_events.h"
#include "platforms/input/click_tracker.h"
#include "platforms/timers/form_timers.h"

namespace quellar::desktop {

// Whose window the loop serves: the program's own, a screen-saver host's, or the program's own
// for an idle daemon, where the first input ends the run.
enum class WindowOwner { kProgram, kHost, kIdleDaemon };

class EventLoop {
 public:
  // `timers` run on the connection's clock.
  EventLoop(LoopConnection& connection, FormTimers& timers, FormEvents& form, WindowOwner owner)
      : connection_(connection), timers_(timers), form_(form), owner_(owner) {}

  // Returns only when a guest is to start afresh (its window has changed size, or SIGUSR1
  // came); otherwise it ends by an exception: the end of the process, a run-time error.
  void Run();

 private:
  bool Guest() const { return owner_ != WindowOwner::kProgram; }
  // A guest of an idle daemon ends at the first input; on the others' windows it is the form's.
  void EndIfIdleDaemonsGuest() const;
  void TakeSignals();
  void HandleArrivedEvents();
  void RaiseXError();
  void On(std::monostate) {}
  void On(const KeyPressed& key);
  void On(const ButtonPressed& press);
  void On(PointerMoved);
  void On(const WindowConfigured& configured);
  [[noreturn]] void On(WindowDestroyed);
  void FireDueTimers();
  void LookAtMonitors();
  void WaitForWork();

  LoopConnection& connection_;
  FormTimers& timers_;
  FormEvents& form_;
  const WindowOwner owner_;
  input::ClickTracker clicks_;
  bool freshStart_ = false;
  static constexpr std::int64_t kMonitorLookInterval = 500 * kNanosecondsPerMillisecond;
  std::int64_t nextMonitorLook_ = 0;
};

}  // namespace quellar::desktop
