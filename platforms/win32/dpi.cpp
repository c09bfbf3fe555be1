#include "platforms/win32/dpi.h"

#include "platforms/win32/gdi_handle.h"

namespace quellar::win32 {
namespace {

// A user32 function of a later Windows than the oldest one the program runs on; null there.
template <typename Function>
Function* User32Function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  // Through void (*)(), the one function type that converts to any other without a warning.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

void DeclareDpiAwareness() {
  const auto setContext =
      User32Function<decltype(SetProcessDpiAwarenessContext)>("SetProcessDpiAwarenessContext");
  if (setContext == nullptr) {
    SetProcessDPIAware();
    return;
  }
  // v2 is refused before Windows 10 1703, which has v1.
  if (!setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
    setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
}

int DpiOf(HWND window) {
  const auto forWindow = User32Function<decltype(GetDpiForWindow)>("GetDpiForWindow");
  if (forWindow != nullptr) {
    if (const UINT dpi = forWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  const ScreenDc screen;
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

SIZE WindowSizeFor(SIZE client, DWORD style, int dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  const auto forDpi =
      User32Function<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
  if (forDpi != nullptr) {
    forDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, 0);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void TakeOverDpiChanges(HWND dialog) {
  const auto setBehaviour =
      User32Function<decltype(SetDialogDpiChangeBehavior)>("SetDialogDpiChangeBehavior");
  if (setBehaviour != nullptr) setBehaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

}  // namespace quellar::win32
