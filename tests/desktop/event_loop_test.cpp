// frmMain's loop on X11, in virtual time: the timers beside a stream of events, a slow tick and
// late wake-ups; the input that reaches the form; a new size of the window, its end, signals.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include <X11/X.h>
#include <X11/keysym.h>
#include "platforms/desktop/event_loop.h"
// clang-format on

#include <algorithm>
#include <deque>
#include <utility>

#include "platforms/forms/process_end.h"

namespace quellar::desktop {
namespace {

using Log = std::vector<std::string>;
constexpr std::int64_t kMs = kNanosecondsPerMillisecond;

// Events arrive at their times, handling one takes a millisecond and a tick `tickCost`, a wait
// for a timer ends `wakeLate` after it. Run() writes down the form's events and the surface's
// widths, then how the loop ended; it stops the loop at its first wait from 100 ms on, or at a
// runaway's eighth tick.
class FakeWindow final : public LoopConnection, public FormEvents {
 public:
  std::deque<std::pair<std::int64_t, WindowEvent>> arrivals;
  SignalRequest signal = SignalRequest::kNothing;
  FormTimers timers{kMs};
  std::int64_t tickCost = 0, wakeLate = 0;

  Log Run(WindowOwner owner) {
    try {
      EventLoop(*this, timers, *this, owner).Run();
      log_.push_back("fresh start");
    } catch (const ProcessEnd&) {
      log_.push_back("ended");
    } catch (Stopped) {
    }
    return log_;
  }

  std::int64_t Now() override { return now_; }
  SignalRequest TakeSignals() override { return std::exchange(signal, SignalRequest::kNothing); }
  int Arrived() override {
    return static_cast<int>(
        std::ranges::count_if(arrivals, [&](auto& a) { return a.first <= now_; }));
  }
  WindowEvent Take() override {
    now_ += kMs;
    const WindowEvent event = arrivals.front().second;
    arrivals.pop_front();
    return event;
  }
  void ResizeSurface(std::int32_t width, std::int32_t) override { Write("surface", width); }
  std::optional<std::string> TakeError() override { return std::nullopt; }
  bool WindowExists() override { return true; }
  void WaitUntil(std::int64_t deadline) override {
    if (now_ >= 100 * kMs) throw Stopped{};
    if (deadline > now_) deadline += wakeLate;
    now_ = std::max(now_, std::min(deadline, arrivals.empty() ? INT64_MAX : arrivals[0].first));
  }

  void KeyDown(std::int16_t keyCode) override { Write("KeyDown", keyCode); }
  void MouseDown() override { log_.push_back("MouseDown"); }
  void DblClick() override { log_.push_back("DblClick"); }
  void MouseMove() override { log_.push_back("MouseMove"); }
  void Timer(TimerId timer) override {
    if (log_.size() == 8) throw Stopped{};
    Write(timer == TimerId::Timer1 ? "Timer1" : "tmrOSD", now_ / kMs);
    if (timer == TimerId::Timer1) now_ += tickCost;
  }
  void DisplayChanged() override {}
  void EndRequested() override { log_.push_back("EndRequested"); }

 private:
  struct Stopped {};
  void Write(const char* what, std::int64_t n) { log_.push_back(what + (" " + std::to_string(n))); }

  Log log_;
  std::int64_t now_ = 0;
};

// Timer1 every 41 ms from 0; exposures, which the form does not see, every millisecond from
// `streamFrom` to `streamTo`.
TEST(EventLoopTest, EveryDueTimerFiresOnceARoundInOrder) {
  struct Case {
    std::int32_t osdInterval;
    std::int64_t tickCost, wakeLate, streamFrom, streamTo;
    Log fired;
  };
  for (const Case& c : {
           // Both due at 82: Timer1 first, the exposure at 84 after both.
           Case{82, 5, 0, 84, 84, {"Timer1 41", "Timer1 82", "tmrOSD 87", "Timer1 123"}},
           Case{0, 0, 5, 0, -1, {"Timer1 46", "Timer1 87", "Timer1 128"}},  // no drift
           Case{0, 0, 50, 0, -1, {"Timer1 91", "Timer1 182"}},              // no catch-up tick
           // The exposure that came during a slow tick goes first; the late tick fires once.
           Case{0, 50, 0, 50, 50, {"Timer1 41", "Timer1 92"}},
           Case{0, 0, 0, 1, 100, {"Timer1 41", "Timer1 82"}},  // not held off by a stream
       }) {
    FakeWindow window;
    window.tickCost = c.tickCost * kMs;
    window.wakeLate = c.wakeLate * kMs;
    for (std::int64_t at = c.streamFrom; at <= c.streamTo; ++at)
      window.arrivals.emplace_back(at * kMs, WindowEvent{});
    window.timers.SetInterval(TimerId::Timer1, 41);
    window.timers.SetInterval(TimerId::tmrOSD, c.osdInterval);
    window.timers.SetEnabled(TimerId::Timer1, true);
    window.timers.SetEnabled(TimerId::tmrOSD, true);
    EXPECT_EQ(window.Run(WindowOwner::kProgram), c.fired);
  }
}

TEST(EventLoopTest, InputResizeSignalsAndTheWindowsEnd) {
  using enum WindowOwner;
  using enum SignalRequest;
  const std::tuple<WindowOwner, std::vector<WindowEvent>, SignalRequest, Log> cases[] = {
      // The main keyboard's plus is not the keypad's; the wheel is no button.
      {kProgram,
       {KeyPressed{XK_KP_Add}, KeyPressed{XK_plus}, ButtonPressed{Button4, 0, 5, 5},
        ButtonPressed{Button1, 100, 5, 5}, ButtonPressed{Button1, 200, 5, 5}, PointerMoved{}},
       kNothing,
       {"KeyDown 107", "MouseDown", "DblClick", "MouseMove"}},
      {kProgram, {WindowConfigured{800, 600, true}}, kNothing, {"surface 800"}},
      // What arrived after the new size waits for the fresh start.
      {kHost, {WindowConfigured{800, 600, true}, KeyPressed{XK_KP_Add}}, kNothing, {"fresh start"}},
      {kHost, {WindowConfigured{800, 600, false}}, kNothing, {}},  // moved
      {kProgram, {WindowDestroyed{}}, kNothing, {"ended"}},
      {kProgram, {}, kEnd, {"EndRequested"}},
      {kHost, {}, kEnd, {"ended"}},
      {kHost, {}, kFreshStart, {"fresh start"}},
  };
  for (const auto& [owner, arrivals, signal, log] : cases) {
    FakeWindow window;
    for (const WindowEvent& event : arrivals) window.arrivals.emplace_back(0, event);
    window.signal = signal;
    EXPECT_EQ(window.Run(owner), log);
  }
}

}  // namespace
}  // namespace quellar::desktop
