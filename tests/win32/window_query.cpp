// window_query CAPTION [close]: describes the visible top-level window with that caption, one
// "name value" line per property, for the end-to-end scripts; with "close" it asks the window
// to close instead, as the system does for Alt+F4. Exits 1 when there is no such window.

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) return 2;
  const HWND window = FindWindowA(nullptr, argv[1]);
  if (window == nullptr || !IsWindowVisible(window)) return 1;
  if (argc == 3)
    return std::string(argv[2]) == "close" && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 2;
  RECT frame;
  RECT client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  std::printf("frame %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top);
  std::printf("client %ld %ld\n", client.right, client.bottom);
  std::printf("topmost %d\n", (exStyle & WS_EX_TOPMOST) != 0 ? 1 : 0);
  std::printf("border %d\n", (style & (WS_BORDER | WS_THICKFRAME | WS_DLGFRAME)) != 0 ? 1 : 0);
  return 0;
}
