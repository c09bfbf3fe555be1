#include "registry/sqlite/wait_budget.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace quellar::registry {
namespace {

class SteadyClock final : public StoreClock {
 public:
  std::int64_t Milliseconds() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void Sleep(std::int64_t milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

// Short first waits: another process's write of a few rows takes about a millisecond.
constexpr std::array<std::int64_t, 5> kWaitStepsMs{1, 2, 5, 10, 20};

}  // namespace

StoreClock& SystemClock() {
  static SteadyClock clock;
  return clock;
}

void WaitBudget::CallBegins() {
  if (lastCallEnd_ && clock_.Milliseconds() - *lastCallEnd_ >= kIdleGapMs) {
    allowanceMs_ = kBurstAllowanceMs;
  }
}

void WaitBudget::Govern(sqlite3* db) {
  sqlite3_busy_handler(db, &WaitBudget::OnBusy, this);
}

bool WaitBudget::WaitOnce(int attempt) {
  if (allowanceMs_ <= 0) return false;
  const auto index =
      std::min<std::size_t>(static_cast<std::size_t>(attempt), kWaitStepsMs.size() - 1);
  const std::int64_t step = std::min(kWaitStepsMs[index], allowanceMs_);
  const std::int64_t before = clock_.Milliseconds();
  clock_.Sleep(step);
  // A sleep that overran counts whole.
  allowanceMs_ -= std::max(step, clock_.Milliseconds() - before);
  return true;
}

int WaitBudget::OnBusy(void* budget, int attempt) {
  return static_cast<WaitBudget*>(budget)->WaitOnce(attempt) ? 1 : 0;
}

}  // namespace quellar::registry
