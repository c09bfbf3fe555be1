// A guest's signals: SIGUSR1 asks for a fresh start, and an end that came with it wins, as
// xsecurelock sends both when a password lets the user in.

#include "platforms/desktop/run_signals.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar::desktop {
namespace {

TEST(RunSignalsTest, AnEndOutranksAFreshStart) {
  struct Case {
    std::vector<int> raised;
    SignalRequest expected;
  };
  // Pending signals are read lowest number first: SIGHUP, SIGUSR1, SIGTERM.
  const Case cases[] = {{{SIGUSR1}, SignalRequest::kFreshStart},
                        {{SIGTERM, SIGUSR1}, SignalRequest::kEnd},
                        {{SIGHUP, SIGUSR1}, SignalRequest::kEnd}};
  for (const Case& c : cases) {
    RunSignals signals(FreshStartSignal::kWatched);
    for (const int signal : c.raised) raise(signal);
    EXPECT_EQ(signals.Take(), c.expected);
    EXPECT_EQ(signals.Take(), SignalRequest::kNothing);
  }
}

}  // namespace
}  // namespace quellar::desktop
