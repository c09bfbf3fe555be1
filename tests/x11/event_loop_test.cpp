// frmMain's loop on X11, its connection in virtual time: when the timers fire beside a stream of
// events, a slow tick or late wake-ups; which input reaches the form; what a new size of the
// window, its end or a signal does.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include <X11/X.h>
#include <X11/keysym.h>
#include "platforms/x11/event_loop.h"
// clang-format on

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platforms/forms/process_end.h"

namespace quellar::x11 {
namespace {

using Log = std::vector<std::string>;
constexpr std::int64_t kMs = kNanosecondsPerMillisecond;
struct Stopped {};

// Events arrive at their times in milliseconds, handling one takes a millisecond and a tick
// `tickCost`, a wait for a timer ends `wakeLate` after it; the loop stops at its first wait from
// `until` on, or at the eighth tick of a runaway.
class FakeWindow final : public LoopConnection, public FormEvents {
 public:
  std::deque<std::pair<std::int64_t, WindowEvent>> arrivals;
  SignalRequest signal = SignalRequest::kNothing;
  std::int64_t tickCost = 0, wakeLate = 0, until = 100 * kMs;
  Log fired, log;

  std::int64_t Now() override { return now_; }
  SignalRequest TakeSignals() override { return std::exchange(signal, SignalRequest::kNothing); }
  int Arrived() override {
    return static_cast<int>(std::ranges::count_if(arrivals, [&](auto& a) { return a.first <= now_; }));
  }
  WindowEvent Take() override {
    const WindowEvent event = arrivals.front().second;
    arrivals.pop_front();
    now_ += kMs;
    return event;
  }
  void ResizeSurface(std::int32_t w, std::int32_t h) override {
    log.push_back("surface " + std::to_string(w) + "x" + std::to_string(h));
  }
  std::optional<std::string> TakeError() override { return std::nullopt; }
  bool WindowExists() override { return true; }
  void WaitUntil(std::int64_t deadline) override {
    if (now_ >= until) throw Stopped{};
    if (deadline > now_) deadline += wakeLate;
    now_ = std::max(now_, std::min(deadline, arrivals.empty() ? INT64_MAX : arrivals.front().first));
  }

  void KeyDown(std::int16_t key) override { log.push_back("KeyDown " + std::to_string(key)); }
  void MouseDown() override { log.push_back("MouseDown"); }
  void DblClick() override { log.push_back("DblClick"); }
  void MouseMove() override { log.push_back("MouseMove"); }
  void Timer(TimerId timer) override {
    if (fired.size() == 8) throw Stopped{};
    fired.push_back((timer == TimerId::Timer1 ? "Timer1 " : "tmrOSD ") + std::to_string(now_ / kMs));
    if (timer == TimerId::Timer1) now_ += tickCost;
  }
  void DisplayChanged() override {}
  void EndRequested() override { log.push_back("EndRequested"); }

 private:
  std::int64_t now_ = 0;
};

enum class Outcome { kFreshStart, kEnded, kGoingOn };

Outcome RunLoop(FakeWindow& window, WindowOwner owner, FormTimers& timers) {
  try {
    EventLoop(window, timers, window, owner).Run();
    return Outcome::kFreshStart;
  } catch (const ProcessEnd&) {
    return Outcome::kEnded;
  } catch (Stopped) {
    return Outcome::kGoingOn;
  }
}

// Timer1 every 41 ms from 0.
TEST(EventLoopTest, EveryDueTimerFiresOnceARoundInOrder) {
  struct Case {
    const char* what;
    std::int32_t osdInterval;
    std::int64_t tickCost, wakeLate, movesFrom, movesTo;  // a move every millisecond between
    Log fired;
  };
  for (const Case& c : {
           Case{"both due: Timer1 first, in one round", 82, 5, 0, 84, 84,
                {"Timer1 41", "Timer1 82", "tmrOSD 87", "Timer1 123"}},
           Case{"late wake-ups do not add up", 0, 0, 5, 0, -1, {"Timer1 46", "Timer1 87", "Timer1 128"}},
           Case{"no catch-up after a wake-up an interval late", 0, 0, 50, 0, -1, {"Timer1 91", "Timer1 182"}},
           // The event that came during a slow tick goes first; the late tick then fires once.
           Case{"a tick slower than the interval", 0, 50, 0, 50, 50, {"Timer1 41", "Timer1 92"}},
           Case{"a move every millisecond", 0, 0, 0, 1, 100, {"Timer1 41", "Timer1 82"}},
       }) {
    FakeWindow window;
    window.tickCost = c.tickCost * kMs;
    window.wakeLate = c.wakeLate * kMs;
    for (std::int64_t at = c.movesFrom; at <= c.movesTo; ++at) {
      window.arrivals.emplace_back(at * kMs, PointerMoved{});
    }
    FormTimers timers(kMs);
    for (const auto& [timer, interval] : {std::pair{TimerId::Timer1, 41}, {TimerId::tmrOSD, c.osdInterval}}) {
      timers.SetInterval(timer, interval);
      timers.SetEnabled(timer, true);
    }
    RunLoop(window, WindowOwner::kProgram, timers);
    EXPECT_EQ(window.fired, c.fired) << c.what;
  }
}

TEST(EventLoopTest, InputResizeSignalsAndTheWindowsEnd) {
  struct Case {
    const char* what;
    WindowOwner owner;
    std::vector<WindowEvent> arrivals;
    SignalRequest signal;
    Outcome outcome;
    Log log;
  };
  using enum WindowOwner;
  using enum Outcome;
  const SignalRequest none = SignalRequest::kNothing;
  for (const Case& c : {
           Case{"the keypad's plus, not the main keyboard's", kProgram,
                {KeyPressed{XK_KP_Add}, KeyPressed{XK_plus}, PointerMoved{}}, none, kGoingOn,
                {"KeyDown 107", "MouseMove"}},
           Case{"the wheel is no button; a second press soon is a double click", kProgram,
                {ButtonPressed{Button4, 0, 5, 5}, ButtonPressed{Button1, 100, 5, 5},
                 ButtonPressed{Button1, 200, 5, 5}, ButtonPressed{Button3, 300, 5, 5}},
                none, kGoingOn, {"MouseDown", "DblClick", "MouseDown"}},
           Case{"the program's window resized", kProgram, {WindowConfigured{800, 600, true}}, none,
                kGoingOn, {"surface 800x600"}},
           Case{"a guest's window resized; what follows waits", kHost,
                {WindowConfigured{800, 600, true}, KeyPressed{XK_KP_Add}}, none, kFreshStart, {}},
           Case{"a guest's window moved", kHost, {WindowConfigured{800, 600, false}}, none, kGoingOn, {}},
           Case{"the window destroyed", kProgram, {WindowDestroyed{}}, none, kEnded, {}},
           Case{"SIGTERM to the program", kProgram, {}, SignalRequest::kEnd, kGoingOn, {"EndRequested"}},
           Case{"SIGTERM to a guest", kHost, {}, SignalRequest::kEnd, kEnded, {}},
           Case{"SIGUSR1 to a guest", kHost, {}, SignalRequest::kFreshStart, kFreshStart, {}},
       }) {
    FakeWindow window;
    window.until = 0;
    for (const WindowEvent& event : c.arrivals) window.arrivals.emplace_back(0, event);
    window.signal = c.signal;
    FormTimers timers;
    EXPECT_EQ(RunLoop(window, c.owner, timers), c.outcome) << c.what;
    EXPECT_EQ(window.log, c.log) << c.what;
  }
}

}  // namespace
}  // namespace quellar::x11
