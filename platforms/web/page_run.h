#pragma once
// One run of the program in the page, from Main to its end: the events the page receives go to
// frmMain's handlers, and what they draw is put on the canvas before control goes back to the
// browser. A run that ends (through its own shutdown or a run-time error) keeps its last frame.

#include <cstdint>
#include <optional>
#include <string>

#include "platforms/forms/frm_main.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/input/click_tracker.h"
#include "platforms/monitors/monitor_run.h"
#include "platforms/web/web_platform.h"

namespace quellar::web {

struct PointerPosition {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const PointerPosition&) const = default;
};

class PageRun {
 public:
  PageRun(registry::RegistryApi& store, RunSettings settings);
  PageRun(const PageRun&) = delete;
  PageRun& operator=(const PageRun&) = delete;

  // Runs Main.
  void Start();
  void KeyDown(std::int16_t virtualKey);
  // A press of any button at `milliseconds` (the page's clock) where the pointer is.
  void MouseDown(double milliseconds, PointerPosition at);
  // A pointer seen where it already was is no movement.
  void MouseMove(PointerPosition at);
  // Fires the timers that are due on the page's clock.
  void RunDueTimers();
  // On the virtual clock: fires the timers in turn until Timer1 has fired `count` times in all,
  // or the run has ended, or no timer runs.
  void RunTicks(std::int64_t count);
  // How long until the next timer is due, when one runs.
  std::optional<double> MillisecondsToNextTimer();
  // For a run the page cuts short (a new size, the page hidden or closed): the settings the
  // hotkeys changed.
  void StoreSettings();

  bool Ended() const { return ended_; }
  // The run-time error or message that ended the run; empty when it ended in order.
  const std::string& Error() const { return error_; }
  std::int64_t Ticks() const { return ticks_; }

 private:
  // Runs a handler; a run that ends in it is over.
  template <typename Handler>
  void Guarded(Handler handler);
  // Fires the timer due now, if any; false when none is.
  bool FireDueTimer();

  WebPlatform platform_;
  monitors::MonitorRun run_;
  FrmMain form_;
  FrmMainEvents events_;
  input::ClickTracker clicks_;
  std::optional<PointerPosition> pointer_;
  std::int64_t ticks_ = 0;
  bool ended_ = false;
  std::string error_;
};

}  // namespace quellar::web
