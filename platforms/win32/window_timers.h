#pragma once
// frmMain's two timers, with the semantics of a form's timer control: the interval and the
// enabled flag are kept apart, a timer runs while it is enabled with an interval above 0, and
// setting either starts its countdown again.

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "engine/platform.h"
#include "platforms/forms/frm_main.h"

namespace quellar::win32 {

class WindowTimers {
 public:
  // `window` may be null (the window is gone): the settings are kept and nothing runs.
  void SetInterval(HWND window, TimerId timer, std::int32_t milliseconds);
  void SetEnabled(HWND window, TimerId timer, bool enabled);
  std::int32_t Interval(TimerId timer) const { return SlotOf(timer).interval; }
  bool Running(TimerId timer) const;

  // The timer a WM_TIMER message names, if it is one of ours, and the reverse.
  static std::optional<TimerId> FromEventId(WPARAM eventId);
  static UINT_PTR EventIdOf(TimerId timer);

 private:
  struct Slot {
    std::int32_t interval;
    bool enabled;
  };

  void Restart(HWND window, TimerId timer) const;
  Slot& SlotOf(TimerId timer) { return slots_[static_cast<std::size_t>(timer)]; }
  const Slot& SlotOf(TimerId timer) const { return slots_[static_cast<std::size_t>(timer)]; }

  // The window's design: both idle until the engine enables them.
  std::array<Slot, 2> slots_{{{kTimer1DesignInterval, false}, {kTmrOsdInterval, false}}};
};

}  // namespace quellar::win32
