#pragma once
// All that frmMain's loop (event_loop.h) takes from outside: the rain window's events in the
// loop's terms, the clock, the signals, the window's surface and the wait. The program's
// connection is Xlib's (x11/x_connection.h) or Wayland's (wayland/wayland_connection.h); a test's
// runs in virtual time.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platforms/desktop/run_signals.h"

namespace quellar::desktop {

inline constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

// The timers' clock.
std::int64_t MonotonicNanoseconds();

// The events the loop decides about. The connection deals with the others itself (an exposure,
// the surface's completions) and hands them on as nothing.
struct KeyPressed {
  std::uint32_t keysym;
};
struct ButtonPressed {
  unsigned int button;  // X's numbers: 1 left, 2 middle, 3 right, then the wheel's steps
  std::uint32_t time;   // server milliseconds
  int x;
  int y;
};
// Left, middle and right are a form's mouse buttons; the wheel's steps and extra buttons are not.
constexpr bool IsFormButton(unsigned int button) {
  return button >= 1 && button <= 3;
}
struct PointerMoved {};
// The window's size as the server reports it, and whether it differs from the size known before.
struct WindowConfigured {
  std::int32_t width;
  std::int32_t height;
  bool newSize;
};
struct WindowDestroyed {};
using WindowEvent = std::variant<std::monostate, KeyPressed, ButtonPressed, PointerMoved,
                                 WindowConfigured, WindowDestroyed>;

class LoopConnection {
 public:
  virtual ~LoopConnection() = default;

  // Monotonic, in nanoseconds.
  virtual std::int64_t Now() = 0;
  // Takes every signal that has arrived.
  virtual SignalRequest TakeSignals() = 0;
  // How many events have arrived and wait to be taken; when none, it first reads what the
  // server has sent.
  virtual int Arrived() = 0;
  // The next event that has arrived; nothing when none is left.
  virtual WindowEvent Take() = 0;
  // The window's surface follows the window's size.
  virtual void ResizeSurface(std::int32_t width, std::int32_t height) = 0;
  // The first protocol error since the last call, as a message.
  virtual std::optional<std::string> TakeError() = 0;
  virtual bool WindowExists() = 0;
  // Sends what is buffered, then sleeps until `deadline` unless an event or a signal comes
  // first; events may be left waiting for a while (at most 50 ms) while the server has yet to
  // read the last frame.
  virtual void WaitUntil(std::int64_t deadline) = 0;
};

}  // namespace quellar::desktop
