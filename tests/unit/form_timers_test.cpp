// Window timers on the virtual clock behave as window timers do.

#include "windows/timers/form_timers.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

std::vector<std::int64_t> FiringsUntil(FormTimers& timers, std::int64_t until) {
  std::vector<std::int64_t> times;
  for (auto due = timers.NextDue(); due && *due <= until; due = timers.NextDue()) {
    timers.AdvanceTo(*due);
    while (timers.TakeDue()) times.push_back(timers.Now());
  }
  return times;
}

TEST(FormTimersTest, FireEveryIntervalWhileEnabledAndRestartWhenSet) {
  FormTimers timers;
  timers.SetInterval(TimerId::Timer1, 41);
  EXPECT_FALSE(timers.NextDue()) << "not enabled yet";
  timers.SetEnabled(TimerId::Timer1, true);
  EXPECT_EQ(FiringsUntil(timers, 130), (std::vector<std::int64_t>{41, 82, 123}));
  timers.AdvanceTo(150);
  timers.SetEnabled(TimerId::Timer1, true);
  EXPECT_EQ(timers.NextDue(), 191);
  timers.SetInterval(TimerId::Timer1, 10);
  EXPECT_EQ(timers.NextDue(), 160);
  timers.SetInterval(TimerId::Timer1, 0);
  EXPECT_TRUE(FiringsUntil(timers, 10000).empty()) << "an interval of 0 never fires";
}

}  // namespace
}  // namespace quellar
