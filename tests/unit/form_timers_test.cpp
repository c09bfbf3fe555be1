#include "platforms/timers/form_timers.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

// Timer1 at 41 ms, started at 0, on a clock in microseconds.
FormTimers PacedTimer() {
  FormTimers timers(1000);
  timers.SetInterval(TimerId::Timer1, 41);
  timers.SetEnabled(TimerId::Timer1, true);
  return timers;
}

TEST(FormTimersTest, NextDueAfterATickThatFiredLate) {
  struct Case {
    std::int64_t firedAt;
    std::int64_t nextDue;
  };
  for (const Case c :
       {Case{41000, 82000}, Case{50000, 82000}, Case{82000, 123000}, Case{200000, 241000}}) {
    FormTimers timers = PacedTimer();
    timers.AdvanceTo(c.firedAt);
    ASSERT_EQ(timers.TakeDue(), TimerId::Timer1) << c.firedAt;
    EXPECT_EQ(timers.NextDue(), c.nextDue) << c.firedAt;
    EXPECT_EQ(timers.TakeDue(), std::nullopt) << "a catch-up tick at " << c.firedAt;
  }
}

// Wake-ups a little after each due time do not slow the long-run rate.
TEST(FormTimersTest, LongRunRateStaysNominal) {
  FormTimers timers = PacedTimer();
  for (int tick = 0; tick < 1000; ++tick) {
    timers.AdvanceTo(*timers.NextDue() + tick % 7 * 150);
    ASSERT_EQ(timers.TakeDue(), TimerId::Timer1);
  }
  EXPECT_EQ(timers.NextDue(), 1001 * 41000);
}

}  // namespace
}  // namespace quellar
