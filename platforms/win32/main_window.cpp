#include "platforms/win32/main_window.h"

namespace quellar::win32 {

namespace {
constexpr wchar_t kClassName[] = L"QuellarMain";
constexpr wchar_t kCaption[] = L"Quellar";
// The size in the window's design; every run places and sizes it.
constexpr int kDesignWidth = 320;
constexpr int kDesignHeight = 240;
}  // namespace

MainWindow::MainWindow(HINSTANCE instance, RunEnd& runEnd, WindowSurface& frame)
    : instance_(instance),
      runEnd_(runEnd),
      frame_(frame),
      class_(instance, kClassName, CS_OWNDC | CS_DBLCLKS, &MainWindow::Procedure,
             static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) {}

MainWindow::~MainWindow() {
  Close();
}

HWND MainWindow::Hwnd() {
  if (!created_) {
    created_ = true;
    POINT pointer{};
    GetCursorPos(&pointer);
    pointer_.emplace(pointer);
    hwnd_ = CreateWindowExW(0, class_.Name(), kCaption, WS_POPUP, 0, 0, kDesignWidth, kDesignHeight,
                            nullptr, nullptr, instance_, this);
  }
  return hwnd_;
}

void MainWindow::Close() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void MainWindow::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  timers_.SetInterval(Hwnd(), timer, milliseconds);
}

void MainWindow::SetTimerEnabled(TimerId timer, bool enabled) {
  timers_.SetEnabled(Hwnd(), timer, enabled);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(create->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = hwnd_;
  switch (message) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DISPLAYCHANGE:
      if (events_ != nullptr && !runEnd_.Ended()) runEnd_.Guard([&] { events_->DisplayChanged(); });
      break;
    // A preview's host destroys its own window and with it this child; in a full-screen run
    // the window goes only on the way out. Either way the run is over.
    case WM_DESTROY:
      runEnd_.End(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      break;
    case WM_MOUSEMOVE:
      if (!pointer_->MovedTo(ScreenPointOf(window, lParam))) return 0;
      [[fallthrough]];
    default:
      if (IsInputMessage(message) && events_ != nullptr && !runEnd_.Ended()) {
        runEnd_.Guard([&] { DeliverInput(*events_, message, wParam); });
        // Alt+F4 and the like still reach the system.
        if (message != WM_SYSKEYDOWN) return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A WM_TIMER can still be queued after its timer was stopped; a stopped timer never fires.
void MainWindow::OnTimer(WPARAM eventId) {
  const std::optional<TimerId> timer = WindowTimers::FromEventId(eventId);
  if (!timer || !timers_.Running(*timer) || events_ == nullptr || runEnd_.Ended()) return;
  runEnd_.Guard([&] { events_->Timer(*timer); });
}

// Between BeginPaint and EndPaint the window's own DC is clipped to the uncovered part; the
// picture is copied whole after it, through the same DC (CS_OWNDC) that frames go to.
void MainWindow::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(hwnd_, &paint);
  EndPaint(hwnd_, &paint);
  if (!runEnd_.Ended()) frame_.Repaint(GetDC(hwnd_));
}

}  // namespace quellar::win32
