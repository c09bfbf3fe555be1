// frmMain's real window under the real window manager: its class, its device context, its
// timers and what its procedure does with events and errors.

#include "windows/win32/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "engine/runtime_error.h"
#include "tests/win32/recording_events.h"
#include "windows/process_end.h"

namespace quellar::win32 {
namespace {

using Events = std::vector<std::string>;

// Dispatches this thread's messages for `milliseconds`; a quit message, if any, is returned.
std::optional<WPARAM> PumpFor(DWORD milliseconds) {
  std::optional<WPARAM> quit;
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = message.wParam;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (GetTickCount() - start >= milliseconds) return quit;
    Sleep(5);
  }
}

std::size_t Count(const Events& events, const std::string& event) {
  return static_cast<std::size_t>(std::count(events.begin(), events.end(), event));
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { window.Attach(events); }
  ~MainWindowTest() override {
    window.Close();
    PumpFor(0);  // takes the quit that the closing posts
  }

  RunEnd runEnd;
  MainWindow window{GetModuleHandleW(nullptr), runEnd};
  testing::RecordingEvents events;
};

TEST_F(MainWindowTest, IsCreatedHiddenAsABorderlessPopupByFirstUse) {
  const HWND hwnd = window.Hwnd();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window.Hwnd(), hwnd);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  EXPECT_NE(style & WS_POPUP, 0u);
  EXPECT_EQ(style & (WS_BORDER | WS_CAPTION | WS_THICKFRAME), 0u);
}

TEST_F(MainWindowTest, KeepsOneDeviceContextAndGetsDoubleClicks) {
  const HWND hwnd = window.Hwnd();
  const auto classStyle = GetClassLongW(hwnd, GCL_STYLE);
  EXPECT_NE(classStyle & CS_OWNDC, 0u);
  EXPECT_NE(classStyle & CS_DBLCLKS, 0u);
  EXPECT_EQ(GetDC(hwnd), GetDC(hwnd));
}

// Each timer fires its own event, and only it.
TEST_F(MainWindowTest, AnEnabledTimerWithAnIntervalFires) {
  for (const auto& [timer, own, other] : {std::tuple{TimerId::Timer1, "Timer1", "tmrOSD"},
                                          std::tuple{TimerId::tmrOSD, "tmrOSD", "Timer1"}}) {
    events.events.clear();
    window.SetTimerInterval(timer, 20);
    window.SetTimerEnabled(timer, true);
    PumpFor(300);
    window.SetTimerEnabled(timer, false);
    EXPECT_GE(Count(events.events, own), 2u);
    EXPECT_EQ(Count(events.events, other), 0u);
  }
}

// SetTimer itself would take 0 as its shortest interval and fire.
TEST_F(MainWindowTest, AnIntervalOfZeroNeverFires) {
  window.SetTimerInterval(TimerId::Timer1, 0);
  window.SetTimerEnabled(TimerId::Timer1, true);
  PumpFor(200);
  EXPECT_EQ(Count(events.events, "Timer1"), 0u);
}

TEST_F(MainWindowTest, IntervalAndEnabledAreKeptApart) {
  window.SetTimerInterval(TimerId::Timer1, 20);
  EXPECT_EQ(window.TimerInterval(TimerId::Timer1), 20);
  PumpFor(150);
  EXPECT_EQ(Count(events.events, "Timer1"), 0u);
  window.SetTimerEnabled(TimerId::Timer1, true);
  window.SetTimerEnabled(TimerId::Timer1, false);
  EXPECT_EQ(window.TimerInterval(TimerId::Timer1), 20);
  PumpFor(150);
  EXPECT_EQ(Count(events.events, "Timer1"), 0u);
}

TEST_F(MainWindowTest, AStoppedTimerDeliversNoQueuedExpiry) {
  window.SetTimerInterval(TimerId::Timer1, 20);
  PostMessageW(window.Hwnd(), WM_TIMER, 1, 0);
  PumpFor(50);
  EXPECT_EQ(Count(events.events, "Timer1"), 0u);
}

TEST_F(MainWindowTest, InputReachesTheEvents) {
  SendMessageW(window.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(window.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(events.events, (Events{"KeyDown 32 0", "DblClick"}));
}

// As Wine does when the window appears: a move to where the pointer already is.
TEST_F(MainWindowTest, AMoveThatDoesNotMoveThePointerIsNoMovement) {
  POINT pointer;
  ASSERT_TRUE(GetCursorPos(&pointer));
  const HWND hwnd = window.Hwnd();
  POINT client = pointer;
  ScreenToClient(hwnd, &client);
  const auto at = [](POINT point) { return MAKELPARAM(point.x, point.y); };
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, at(client));
  EXPECT_TRUE(events.events.empty());
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, at({client.x + 3, client.y}));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, at({client.x + 3, client.y}));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, at(client));
  EXPECT_EQ(events.events.size(), 2u);
}

TEST_F(MainWindowTest, ARepaintAsksForThePicture) {
  ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(window.Hwnd());
  events.events.clear();
  InvalidateRect(window.Hwnd(), nullptr, FALSE);
  UpdateWindow(window.Hwnd());
  EXPECT_EQ(events.events, Events{"Paint"});
}

TEST_F(MainWindowTest, ARunTimeErrorInAHandlerEndsTheRunWithItsMessage) {
  events.onEvent = [] { throw RuntimeError("Invalid property value"); };
  SendMessageW(window.Hwnd(), WM_KEYDOWN, VK_ADD, 0);
  EXPECT_TRUE(runEnd.Ended());
  EXPECT_EQ(runEnd.ExitCode(), 1);
  EXPECT_EQ(runEnd.Error(), "Invalid property value");
  EXPECT_EQ(PumpFor(0), std::optional<WPARAM>(1));
}

TEST_F(MainWindowTest, NoEventIsHandledOnceTheRunHasEnded) {
  events.onEvent = [] { throw ProcessEnd{0}; };
  SendMessageW(window.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  SendMessageW(window.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  window.SetTimerInterval(TimerId::Timer1, 10);
  window.SetTimerEnabled(TimerId::Timer1, true);
  EXPECT_EQ(PumpFor(100), std::optional<WPARAM>(0));
  EXPECT_EQ(events.events, Events{"DblClick"});
  EXPECT_TRUE(runEnd.Error().empty());
}

// A preview's host destroys its own window, and this child with it.
TEST_F(MainWindowTest, DestroyingTheWindowEndsTheRunAndItStaysGone) {
  const HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 152, 112, nullptr,
                                    nullptr, nullptr, nullptr);
  SetParent(window.Hwnd(), host);
  DestroyWindow(host);
  EXPECT_TRUE(runEnd.Ended());
  EXPECT_EQ(runEnd.ExitCode(), 0);
  EXPECT_EQ(PumpFor(0), std::optional<WPARAM>(0));
  EXPECT_EQ(window.Hwnd(), nullptr);
  window.SetTimerInterval(TimerId::Timer1, 10);  // no window to run on, and none is made
  EXPECT_EQ(window.Hwnd(), nullptr);
}

}  // namespace
}  // namespace quellar::win32
