#include "windows/win32/settings_placeholder.h"

#include "windows/win32/window_class.h"

namespace quellar::win32 {

namespace {

constexpr wchar_t kClassName[] = L"QuellarSettings";
// The trade-mark sign needs the wide API: not every ANSI code page has it.
constexpr wchar_t kCaption[] = L"Quellar\u2122 Screensaver by Tovenlab";
constexpr int kClientWidth = 449;
constexpr int kClientHeight = 280;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMargin = 12;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// Close, Enter and Escape all close the window.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreatePlaceholder(HINSTANCE instance, LPCWSTR className) {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, kStyle, FALSE);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, className, kCaption, kStyle,
                                      (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                      nullptr, nullptr, instance, nullptr);
  const HWND button =
      CreateWindowExW(0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      kClientWidth - kMargin - kButtonWidth,
                      kClientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight, window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  return window;
}

}  // namespace

void ShowSettingsPlaceholder(HINSTANCE instance) {
  const WindowClass windowClass(instance, kClassName, 0, &Procedure,
                                GetSysColorBrush(COLOR_BTNFACE));
  const HWND window = CreatePlaceholder(instance, windowClass.Name());
  if (window == nullptr) return;
  ShowWindow(window, SW_SHOWNORMAL);
  SetFocus(GetDlgItem(window, IDCANCEL));
  MSG message;
  while (IsWindow(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // A quit meant for the program's own loop is passed on.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      DestroyWindow(window);
      return;
    }
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace quellar::win32
