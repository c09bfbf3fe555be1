#include "windows/x11/tick_times.h"

#include <cstdlib>
#include <fstream>

namespace quellar::x11 {

TickTimes::TickTimes() {
  if (const char* path = std::getenv("QUELLAR_TICK_TIMES")) path_ = path;
  // A minute of a 1 ms timer without a reallocation during the run.
  if (!path_.empty()) times_.reserve(60'000);
}

TickTimes::~TickTimes() {
  if (path_.empty()) return;
  std::ofstream out(path_);
  for (const std::int64_t time : times_) out << time << '\n';
}

}  // namespace quellar::x11
