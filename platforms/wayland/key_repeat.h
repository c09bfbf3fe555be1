#pragma once
// Key repeat, which Wayland leaves to the client: a key held past the compositor's delay
// repeats at its rate until it is released, another key repeats instead, or the keyboard
// leaves. Times are nanoseconds on the loop's clock.

#include <cstdint>
#include <optional>

namespace quellar::wayland {

class KeyRepeat {
 public:
  // Repeats a second and the delay before the first, as the compositor gives them; a rate of 0
  // turns repeat off.
  void SetRate(std::int32_t perSecond, std::int32_t delayMilliseconds);
  // `key` (a key code) giving `keysym` went down at `now`.
  void Pressed(std::uint32_t key, std::uint32_t keysym, std::int64_t now);
  void Released(std::uint32_t key);
  void Stop() { held_.reset(); }

  // The keysym of one repeat due by `now`, if any; each repeat is taken once.
  std::optional<std::uint32_t> TakeDue(std::int64_t now);
  std::optional<std::int64_t> NextDue() const;

 private:
  struct Held {
    std::uint32_t key;
    std::uint32_t keysym;
    std::int64_t next;
  };
  // X servers' defaults, for a compositor that never says.
  std::int32_t perSecond_ = 25;
  std::int64_t delay_ = 660'000'000;
  std::optional<Held> held_;
};

}  // namespace quellar::wayland
