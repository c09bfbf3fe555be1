#pragma once
// frmMain's window: a borderless popup with a black background that keeps one device context
// for its life (CS_OWNDC) and receives double clicks (CS_DBLCLKS). It is created hidden by its
// first use and never again once destroyed. It repaints itself from the frame last presented.

#include <windows.h>

#include <optional>

#include "platforms/forms/form_events.h"
#include "platforms/win32/input.h"
#include "platforms/win32/run_end.h"
#include "platforms/win32/window_class.h"
#include "platforms/win32/window_surface.h"
#include "platforms/win32/window_timers.h"

namespace quellar::win32 {

class MainWindow {
 public:
  MainWindow(HINSTANCE instance, RunEnd& runEnd, WindowSurface& frame);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Events go nowhere until attached.
  void Attach(FormEvents& events) { events_ = &events; }

  // The window, created hidden on first use; null once it has been destroyed.
  HWND Hwnd();
  void Close();

  void SetTimerInterval(TimerId timer, std::int32_t milliseconds);
  void SetTimerEnabled(TimerId timer, bool enabled);
  std::int32_t TimerInterval(TimerId timer) const { return timers_.Interval(timer); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer(WPARAM eventId);
  void OnPaint();

  HINSTANCE instance_;
  RunEnd& runEnd_;
  WindowSurface& frame_;
  WindowClass class_;
  WindowTimers timers_;
  FormEvents* events_ = nullptr;
  // Where the pointer was when the window was made, then at each move.
  std::optional<PointerMotion> pointer_;
  HWND hwnd_ = nullptr;
  bool created_ = false;
};

}  // namespace quellar::win32
