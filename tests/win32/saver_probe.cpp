// saver_probe VERB [ARGUMENT]: what the end-to-end scripts ask Windows about a run of
// Quellar.scr. Prints what it finds; exit code 1 and a line on stderr when it cannot.
//   spi              1 while the system reports a running screen saver, else 0
//   window CAPTION   "X Y WIDTHxHEIGHT topmost|normal bordered|borderless": the visible
//                    top-level window with that caption
//   close CAPTION    asks it to close, as Alt+F4 does
//   repaint CAPTION  has all of it erased and painted again, as when it is uncovered
//   displaychange CAPTION  tells it that the monitors changed, as Windows does
//   pointer CAPTION  "running N" at once, the pointer's display count of the program that owns
//                    it (below 0 hidden), then "last N", the count it left, when it has ended
//   preview SAVER    plays the host: starts "SAVER /p <window>" in a window of 152 x 112, waits
//                    for the saver's window to be placed in it, destroys it and expects the
//                    saver to end with exit code 0
//   host SAVER       plays the host as preview does, prints "placed" and keeps the window until
//                    another program ends the saver, which must end with exit code 0

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platforms/win32/win32_handles.h"

namespace {

using quellar::win32::UniqueKernelHandle;

constexpr int kHostWidth = 152;
constexpr int kHostHeight = 112;
constexpr DWORD kTimeout = 20000;
constexpr char kPlacedPreview[] = "the saver's child of the host, shown, 152x112, \"Preview\"";

int Fail(const std::string& what) {
  std::fprintf(stderr, "saver_probe: %s\n", what.c_str());
  return 1;
}

int PrintSaverRunning() {
  BOOL running = FALSE;
  if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) return Fail("no flag");
  std::printf("%d\n", running ? 1 : 0);
  return 0;
}

int PrintPlacement(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const bool border =
      (GetWindowLongA(window, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
  std::printf("%ld %ld %ldx%ld %s %s\n", frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top, topmost ? "topmost" : "normal",
              border ? "bordered" : "borderless");
  return 0;
}

// ShowCursor answers with the new count; the second call puts it back.
int DisplayCount() {
  const int lowered = ShowCursor(FALSE);
  ShowCursor(TRUE);
  return lowered + 1;
}

// The count belongs to a thread's input queue, and the system takes a thread's share back when
// the thread ends: read afterwards, the pointer looks shown whatever the program did. So the
// probe shares the program's input queue and keeps the last count read while its thread lived.
int FollowPointer(HWND window) {
  const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
  const UniqueKernelHandle thread(OpenThread(SYNCHRONIZE, FALSE, threadId));
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // gives this thread its queue
  if (!thread || !AttachThreadInput(GetCurrentThreadId(), threadId, TRUE)) {
    return Fail("cannot share the program's input queue");
  }
  int last = DisplayCount();
  std::printf("running %d\n", last);
  std::fflush(stdout);
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 3 * kTimeout; Sleep(1)) {
    const int count = DisplayCount();
    if (WaitForSingleObject(thread.get(), 0) == WAIT_OBJECT_0) {
      std::printf("last %d\n", last);
      return 0;
    }
    last = count;
  }
  return Fail("the program did not end");
}

// The destruction of a child in another process reaches it only while this thread pumps.
bool PumpUntilEnded(HANDLE process, DWORD timeout) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout;) {
    if (MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
      return true;
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return false;
}

// The host's first child window as the host sees it; kPlacedPreview once it is placed.
std::string DescribeChild(HWND host, DWORD saverProcess) {
  const HWND child = FindWindowExA(host, nullptr, nullptr, nullptr);
  if (child == nullptr) return "no child";
  DWORD owner = 0;
  GetWindowThreadProcessId(child, &owner);
  RECT client{};
  GetClientRect(child, &client);
  char caption[32] = {};
  GetWindowTextA(child, caption, sizeof caption);
  // Not GetParent: the window keeps WS_POPUP beside WS_CHILD, and GetParent then names the owner.
  const bool placed = owner == saverProcess && GetAncestor(child, GA_PARENT) == host &&
                      (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) != 0;
  char text[128];
  std::snprintf(text, sizeof text, "%s, %s, %ldx%ld, \"%s\"",
                placed ? "the saver's child of the host" : "a window of another kind",
                IsWindowVisible(child) ? "shown" : "hidden", client.right, client.bottom, caption);
  return text;
}

// Who ends the preview: the host, by destroying its window, or another program.
enum class PreviewEnd { ByHost, ByOther };

int HostPreview(const std::string& saverPath, PreviewEnd end) {
  const HWND host = CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_VISIBLE, 40, 40,
                                    kHostWidth, kHostHeight, nullptr, nullptr, nullptr, nullptr);
  std::string command =
      "\"" + saverPath + "\" /p " + std::to_string(reinterpret_cast<std::uintptr_t>(host));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION saver{};
  if (host == nullptr || !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                         nullptr, nullptr, &startup, &saver)) {
    return Fail("the saver cannot be started in a host window");
  }
  const UniqueKernelHandle process(saver.hProcess);
  const UniqueKernelHandle thread(saver.hThread);
  std::string seen = DescribeChild(host, saver.dwProcessId);
  for (const DWORD start = GetTickCount(); seen != kPlacedPreview;) {
    if (GetTickCount() - start > kTimeout || PumpUntilEnded(saver.hProcess, 100)) {
      return Fail("no preview placed in the host; last seen: " + seen);
    }
    seen = DescribeChild(host, saver.dwProcessId);
  }
  if (end == PreviewEnd::ByHost) {
    DestroyWindow(host);
  } else {
    std::printf("placed\n");
    std::fflush(stdout);
  }
  DWORD exitCode = 1;
  if (!PumpUntilEnded(saver.hProcess, end == PreviewEnd::ByHost ? kTimeout : INFINITE)) {
    TerminateProcess(saver.hProcess, 3);
    return Fail("the saver did not end when its window was destroyed");
  }
  GetExitCodeProcess(saver.hProcess, &exitCode);
  return exitCode == 0 ? 0 : Fail("the saver ended with exit code " + std::to_string(exitCode));
}

int OnWindow(const std::string& verb, const char* caption) {
  const HWND window = FindWindowA(nullptr, caption);
  if (window == nullptr || !IsWindowVisible(window))
    return Fail("no window " + std::string(caption));
  if (verb == "window") return PrintPlacement(window);
  if (verb == "close") return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : Fail("cannot close");
  if (verb == "displaychange") {
    return SendMessageA(window, WM_DISPLAYCHANGE, 32, 0) == 0 ? 0 : Fail("no display change");
  }
  if (verb == "pointer") return FollowPointer(window);
  // A paint of another thread's window is sent to it, and waited for.
  const UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
  if (verb == "repaint") {
    return RedrawWindow(window, nullptr, nullptr, redraw) ? 0 : Fail("cannot repaint");
  }
  return Fail("unknown verb " + verb);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  if (argc == 2 && verb == "spi") return PrintSaverRunning();
  if (argc == 3 && verb == "preview") return HostPreview(argv[2], PreviewEnd::ByHost);
  if (argc == 3 && verb == "host") return HostPreview(argv[2], PreviewEnd::ByOther);
  if (argc == 3) return OnWindow(verb, argv[2]);
  return Fail(
      "usage: saver_probe spi | window|close|repaint|displaychange|pointer CAPTION | "
      "preview|host SAVER");
}
