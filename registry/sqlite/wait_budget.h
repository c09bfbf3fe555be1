#pragma once
// How long the store waits for another process's lock. A screen saver must not stall its start
// or its end behind a lock, so the waits of one burst of store calls (a start-up, the end of a
// run, a dialog's load or unload) share one small allowance; once it is spent, the calls of that
// burst give up at once. A burst ends when the store has been idle for a while; the next call
// starts a new one with a full allowance.

#include <cstdint>
#include <optional>

struct sqlite3;

namespace quellar::registry {

// Time as the store's waits see it; tests pass a clock whose sleeps only move its reading on.
class StoreClock {
 public:
  virtual ~StoreClock() = default;
  virtual std::int64_t Milliseconds() = 0;  // monotonic
  virtual void Sleep(std::int64_t milliseconds) = 0;
};

StoreClock& SystemClock();

class WaitBudget {
 public:
  static constexpr std::int64_t kBurstAllowanceMs = 250;
  static constexpr std::int64_t kIdleGapMs = 1000;

  explicit WaitBudget(StoreClock& clock) : clock_(clock) {}

  // Every store call is bracketed by these; a call after an idle gap starts a new burst.
  void CallBegins();
  void CallEnds() { lastCallEnd_ = clock_.Milliseconds(); }
  // Replaces what is left of the allowance, for a stretch that may wait longer.
  void Allow(std::int64_t milliseconds) { allowanceMs_ = milliseconds; }

  // Makes SQLite wait for locks on `db` through this budget.
  void Govern(sqlite3* db);

 private:
  // One wait of a few milliseconds; false when the allowance is spent.
  bool WaitOnce(int attempt);
  static int OnBusy(void* budget, int attempt);

  StoreClock& clock_;
  std::int64_t allowanceMs_ = kBurstAllowanceMs;
  std::optional<std::int64_t> lastCallEnd_;
};

// Brackets one store call.
class BudgetedCall {
 public:
  explicit BudgetedCall(WaitBudget& budget) : budget_(budget) { budget_.CallBegins(); }
  BudgetedCall(const BudgetedCall&) = delete;
  BudgetedCall& operator=(const BudgetedCall&) = delete;
  ~BudgetedCall() { budget_.CallEnds(); }

 private:
  WaitBudget& budget_;
};

}  // namespace quellar::registry
