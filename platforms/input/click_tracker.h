#pragma once
// Double clicks in Windows' order (down, up, double click, up: the second press of a double
// click is not a button-down), for toolkits that report only presses.

#include <cstdint>
#include <optional>

namespace quellar::input {

// Windows' double-click rule: a second press of the same button within 500 ms of the first and
// inside a 4-pixel-wide box centred on it. The press after a double click starts afresh.
class ClickTracker {
 public:
  // True when this press completes a double click. `milliseconds` is the press's time on a
  // 32-bit clock that may wrap (X server and Wayland event times).
  bool IsDoubleClick(unsigned int button, std::uint32_t milliseconds, int x, int y);

 private:
  struct Press {
    unsigned int button;
    std::uint32_t milliseconds;
    int x;
    int y;
  };
  std::optional<Press> first_;
};

}  // namespace quellar::input
