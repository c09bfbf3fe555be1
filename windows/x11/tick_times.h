#pragma once
// The times Timer1 fired, for figures of the loop's pacing (scripts/pacing), not a setting: with
// QUELLAR_TICK_TIMES naming a file at start-up, the run writes there, when it ends, one line per
// tick: the monotonic clock's nanoseconds at which the loop handled it.

#include <cstdint>
#include <string>
#include <vector>

namespace quellar::x11 {

class TickTimes {
 public:
  TickTimes();
  ~TickTimes();
  TickTimes(const TickTimes&) = delete;
  TickTimes& operator=(const TickTimes&) = delete;

  void Record(std::int64_t nanoseconds) {
    if (!path_.empty()) times_.push_back(nanoseconds);
  }

 private:
  std::string path_;  // empty: nothing is recorded
  std::vector<std::int64_t> times_;
};

}  // namespace quellar::x11
