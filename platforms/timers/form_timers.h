#pragma once
// The two timers of frmMain with window-timer rules, on a clock that only the caller moves: the
// memory platform moves it in virtual milliseconds, so every run there is reproducible; the X11
// loop moves it with the monotonic clock in nanoseconds.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/platform.h"

namespace quellar {

class FormTimers {
 public:
  FormTimers() = default;
  // A clock that counts `unitsPerMillisecond` units in a millisecond.
  explicit FormTimers(std::int64_t unitsPerMillisecond)
      : unitsPerMillisecond_(unitsPerMillisecond) {}

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
  std::int64_t Length(const Timer& timer) const { return timer.interval * unitsPerMillisecond_; }
  void Restart(Timer& timer) const { timer.due = now_ + Length(timer); }
  // A timer that fired is due one interval after it was due, so a real clock's wake-up delays
  // do not add up (in virtual time it fires when due); once a whole interval has been missed,
  // one interval after the firing, so a late tick brings no burst of catch-up ticks.
  void Reschedule(Timer& timer) const;

  std::int64_t unitsPerMillisecond_ = 1;
  std::array<Timer, 2> timers_{};
  std::int64_t now_ = 0;
};

}  // namespace quellar
