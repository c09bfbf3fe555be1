// frmMain's real window under the real window manager: its class, its timers and what its
// procedure does with input and errors.

#include "platforms/win32/main_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/runtime_error.h"

namespace quellar::win32 {
namespace {

using Events = std::vector<std::string>;

// Writes the events down, and can be told to fail in each as a run-time error does.
class RecordingEvents final : public FormEvents {
 public:
  void KeyDown(std::int16_t key) override { Record("KeyDown " + std::to_string(key)); }
  void MouseDown() override { Record("MouseDown"); }
  void DblClick() override { Record("DblClick"); }
  void MouseMove() override { Record("MouseMove"); }
  void Timer(TimerId timer) override { Record(timer == TimerId::Timer1 ? "Timer1" : "tmrOSD"); }
  void DisplayChanged() override { Record("DisplayChanged"); }
  void EndRequested() override { Record("EndRequested"); }

  Events events;
  bool fail = false;

 private:
  void Record(std::string event) {
    events.push_back(std::move(event));
    if (fail) throw RuntimeError("Invalid property value");
  }
};

// Dispatches this thread's messages for `milliseconds`; a quit message, if any, is returned.
std::optional<WPARAM> PumpFor(DWORD milliseconds) {
  std::optional<WPARAM> quit;
  for (const DWORD start = GetTickCount();; Sleep(5)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = message.wParam;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (GetTickCount() - start >= milliseconds) return quit;
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { window.Attach(events); }
  ~MainWindowTest() override {
    window.Close();
    PumpFor(0);  // takes the quit that the closing posts
  }

  RunEnd runEnd;
  WindowSurface frame{SystemPixelCopies()};
  MainWindow window{GetModuleHandleW(nullptr), runEnd, frame};
  RecordingEvents events;
};

// One device context for the engine to keep, and double clicks: without them the second press
// of a double click would be one more press.
TEST_F(MainWindowTest, HasItsOwnDeviceContextAndDoubleClicks) {
  EXPECT_EQ(GetClassLongW(window.Hwnd(), GCL_STYLE) & (CS_OWNDC | CS_DBLCLKS),
            static_cast<DWORD>(CS_OWNDC | CS_DBLCLKS));
}

TEST_F(MainWindowTest, InputArrivesInTheFormsTerms) {
  for (const auto& [message, wParam, event] : {
           std::tuple<UINT, WPARAM, const char*>{WM_KEYDOWN, VK_ADD, "KeyDown 107"},
           {WM_LBUTTONDOWN, MK_LBUTTON, "MouseDown"},
           {WM_RBUTTONDOWN, MK_RBUTTON, "MouseDown"},
           {WM_MBUTTONDOWN, MK_MBUTTON, "MouseDown"},
           // The second press of a left double click arrives only as the double click.
           {WM_LBUTTONDBLCLK, MK_LBUTTON, "DblClick"},
           {WM_RBUTTONDBLCLK, MK_RBUTTON, "MouseDown"},
           {WM_MBUTTONDBLCLK, MK_MBUTTON, "MouseDown"},
           {WM_KEYUP, VK_ESCAPE, nullptr},
           {WM_LBUTTONUP, 0, nullptr},
       }) {
    events.events.clear();
    SendMessageW(window.Hwnd(), message, wParam, 0);
    EXPECT_EQ(events.events, event != nullptr ? Events{event} : Events{}) << message;
  }
}

// An expiry reaches the form only while its timer runs (enabled, at an interval above 0), even
// one that was queued before the timer stopped.
TEST_F(MainWindowTest, AnExpiryReachesTheFormOnlyWhileItsTimerRuns) {
  for (const auto& [interval, enabled, delivered] :
       {std::tuple{10000, true, 1u}, {0, true, 0u}, {10000, false, 0u}}) {
    events.events.clear();
    window.SetTimerInterval(TimerId::Timer1, interval);
    window.SetTimerEnabled(TimerId::Timer1, enabled);
    PostMessageW(window.Hwnd(), WM_TIMER, 1, 0);
    PumpFor(0);
    EXPECT_EQ(events.events, Events(delivered, "Timer1")) << interval << enabled;
  }
}

// Nothing may run on an engine that has ended: not the input queued behind the event that
// ended it, not a timer.
TEST_F(MainWindowTest, ARunTimeErrorInAHandlerEndsTheRunWithItsMessage) {
  events.fail = true;
  SendMessageW(window.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  SendMessageW(window.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  window.SetTimerInterval(TimerId::Timer1, 10);
  window.SetTimerEnabled(TimerId::Timer1, true);
  EXPECT_EQ(PumpFor(100), std::optional<WPARAM>(1));
  EXPECT_EQ(events.events, Events{"DblClick"});
  EXPECT_EQ(runEnd.ExitCode(), 1);
  EXPECT_EQ(runEnd.Error(), "Invalid property value");
}

}  // namespace
}  // namespace quellar::win32
