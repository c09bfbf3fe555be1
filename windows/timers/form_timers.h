#pragma once
// The two timers of frmMain with window-timer rules, on a clock that only the caller moves: the
// memory platform moves it in virtual time, so every run there is reproducible; the X11 loop
// moves it with the monotonic clock.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/platform.h"

namespace quellar {

class FormTimers {
 public:
  std::int64_t Now() const { return now_; }

  void SetInterval(TimerId timer, std::int32_t milliseconds);
  std::int32_t Interval(TimerId timer) const { return Of(timer).interval; }
  void SetEnabled(TimerId timer, bool enabled);
  bool Enabled(TimerId timer) const { return Of(timer).enabled; }

  // The earliest time a timer is due, if any runs.
  std::optional<std::int64_t> NextDue() const;
  // Moves the clock to `time` (never backwards).
  void AdvanceTo(std::int64_t time);
  // The timer due now, if any (Timer1 before tmrOSD), with its next expiry already scheduled so
  // that its handler may change it.
  std::optional<TimerId> TakeDue();

 private:
  struct Timer {
    std::int32_t interval = 0;
    bool enabled = false;
    std::int64_t due = 0;
    bool Running() const { return enabled && interval > 0; }
  };
  Timer& Of(TimerId timer) { return timers_[static_cast<std::size_t>(timer)]; }
  const Timer& Of(TimerId timer) const { return timers_[static_cast<std::size_t>(timer)]; }
  void Restart(Timer& timer) const { timer.due = now_ + timer.interval; }

  std::array<Timer, 2> timers_{};
  std::int64_t now_ = 0;
};

}  // namespace quellar
