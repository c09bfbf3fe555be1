// Window timers on the virtual clock behave as window timers do.

#include "windows/timers/form_timers.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

std::vector<std::int64_t> FiringsUntil(FormTimers& timers, std::int64_t until) {
  std::vector<std::int64_t> times;
  while (const auto due = timers.NextDue()) {
    if (*due > until) break;
    timers.AdvanceTo(*due);
    while (timers.TakeDue()) times.push_back(timers.Now());
  }
  return times;
}

TEST(FormTimersTest, FiresEveryIntervalWhileEnabled) {
  FormTimers timers;
  timers.SetInterval(TimerId::Timer1, 41);
  EXPECT_FALSE(timers.NextDue()) << "not enabled yet";
  timers.SetEnabled(TimerId::Timer1, true);
  EXPECT_EQ(FiringsUntil(timers, 130), (std::vector<std::int64_t>{41, 82, 123}));
}

TEST(FormTimersTest, SettingTheIntervalRestartsTheCountdown) {
  FormTimers timers;
  timers.SetInterval(TimerId::tmrOSD, 2000);
  timers.SetEnabled(TimerId::tmrOSD, true);
  timers.AdvanceTo(1500);
  timers.SetEnabled(TimerId::tmrOSD, false);
  timers.SetEnabled(TimerId::tmrOSD, true);
  EXPECT_EQ(timers.NextDue(), 3500);
  timers.SetInterval(TimerId::tmrOSD, 100);
  EXPECT_EQ(timers.NextDue(), 1600);
}

TEST(FormTimersTest, AnIntervalOfZeroNeverFires) {
  FormTimers timers;
  timers.SetEnabled(TimerId::Timer1, true);
  timers.SetInterval(TimerId::Timer1, 0);
  EXPECT_FALSE(timers.NextDue());
  EXPECT_TRUE(FiringsUntil(timers, 10000).empty());
}

}  // namespace
}  // namespace quellar
