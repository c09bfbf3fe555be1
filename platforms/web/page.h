#pragma once
// The program in its page: a run of the rain fills the page's canvas, the page's keys, buttons,
// pointer and timer go to it, and when it ends a line says how to start the next. A new page
// size starts a new run at that size. The settings are saved when a run ends and when the page
// is hidden or closed.
//
// For tests, the URL's `seed` seeds the rain, and with `ticks` as well the first run runs that
// many ticks at once on a virtual clock and holds its frame: the picture quellar-render draws
// for the same seed, size and ticks.

#include <cstdint>
#include <memory>
#include <optional>

#include "platforms/web/page_run.h"
#include "registry/web/default_store.h"

namespace quellar::web {

class Page {
 public:
  Page();
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  // The browser's events, already read; each answers whether the page took the event's default.
  bool KeyDown(const char* code, bool repeated);
  void MouseDown(double milliseconds, PointerPosition at);
  void MouseMove(PointerPosition at);
  void TimerDue();
  void SizeChanged();
  void Hidden();

 private:
  // A new run over the canvas at its present size.
  void StartRun();
  // A run cut short keeps the settings its hotkeys changed.
  void SaveSettings();
  // After every event: the run's end, the next timer, and what tests read.
  void Settle();
  void ScheduleTimer();

  std::unique_ptr<registry::TextStore> store_;
  std::optional<std::uint64_t> seed_;
  std::optional<std::int64_t> virtualTicks_;  // the first run's ticks on the virtual clock
  std::unique_ptr<PageRun> run_;
  std::int32_t width_ = 0;  // the canvas's, as last fitted to the page
  std::int32_t height_ = 0;
  std::int32_t runs_ = 0;
  bool endSaved_ = false;
  long timeout_ = 0;  // the browser's id of the timer's timeout; 0 when none is set
  double busyMilliseconds_ = 0;
};

}  // namespace quellar::web
