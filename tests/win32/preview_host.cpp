// preview_host SAVER: plays the screen-saver host's part in a preview. It makes a 152 x 112
// window, starts "SAVER /p <window>", waits until the saver's window has become a child of it
// with the right size and caption, then destroys its window and expects the saver to end.
// Exits 0 when all of that happens.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr DWORD kAppearTimeout = 20000;
constexpr DWORD kExitTimeout = 15000;

int Fail(const char* what) {
  std::fprintf(stderr, "preview_host: %s\n", what);
  return 1;
}

BOOL CALLBACK TakeFirstChild(HWND child, LPARAM found) {
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

HWND FirstChild(HWND parent) {
  HWND child = nullptr;
  EnumChildWindows(parent, &TakeFirstChild, reinterpret_cast<LPARAM>(&child));
  return child;
}

// The destruction of a child in another process reaches it only while this thread pumps.
bool PumpUntil(HANDLE process, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeout) {
    if (MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
      return true;
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return false;
}

struct ChildState {
  bool ownedBySaver = false;
  bool parentIsHost = false;
  bool childStyle = false;
  bool visible = false;
  RECT client{};
  char caption[32] = {};

  bool IsPlacedPreview() const {
    return ownedBySaver && parentIsHost && childStyle && visible && client.right == kWidth &&
           client.bottom == kHeight && std::string(caption) == "Preview";
  }
  void Print() const {
    std::fprintf(stderr,
                 "preview_host: child of saver %d, parent is host %d, WS_CHILD %d, "
                 "visible %d, client %ld x %ld, caption \"%s\"\n",
                 ownedBySaver, parentIsHost, childStyle, visible, client.right, client.bottom,
                 caption);
  }
};

ChildState StateOf(HWND host, HWND child, DWORD saverProcess) {
  ChildState state;
  DWORD owner = 0;
  GetWindowThreadProcessId(child, &owner);
  state.ownedBySaver = owner == saverProcess;
  // Not GetParent: the window keeps WS_POPUP beside WS_CHILD, and GetParent then names the owner.
  state.parentIsHost = GetAncestor(child, GA_PARENT) == host;
  state.childStyle = (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) != 0;
  state.visible = IsWindowVisible(child) != FALSE;
  GetClientRect(child, &state.client);
  GetWindowTextA(child, state.caption, sizeof state.caption);
  return state;
}

// Waits for the saver's window to be placed in `host`; says what it last saw when it fails.
bool AwaitPreview(HWND host, const PROCESS_INFORMATION& saver) {
  const DWORD start = GetTickCount();
  HWND child = nullptr;
  while (GetTickCount() - start < kAppearTimeout) {
    child = FirstChild(host);
    if (child != nullptr && StateOf(host, child, saver.dwProcessId).IsPlacedPreview()) return true;
    if (PumpUntil(saver.hProcess, 100)) break;  // the saver ended on its own
  }
  if (child != nullptr) StateOf(host, child, saver.dwProcessId).Print();
  return false;
}

int RunPreview(HWND host, const char* saverPath) {
  std::string command = "\"";
  command += saverPath;
  command += "\" /p ";
  command += std::to_string(reinterpret_cast<std::uintptr_t>(host));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION saver{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &saver)) {
    return Fail("the saver cannot be started");
  }
  CloseHandle(saver.hThread);
  int result = 0;
  if (!AwaitPreview(host, saver)) {
    result = Fail("no child window of 152 x 112 captioned Preview appeared");
  }
  DestroyWindow(host);
  DWORD exitCode = 0;
  if (!PumpUntil(saver.hProcess, kExitTimeout)) {
    TerminateProcess(saver.hProcess, 3);
    result = Fail("the saver did not end when its window was destroyed");
  } else if (GetExitCodeProcess(saver.hProcess, &exitCode) && exitCode != 0) {
    result = Fail("the saver ended with a non-zero exit code");
  }
  CloseHandle(saver.hProcess);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: preview_host SAVER");
  const HWND host = CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_VISIBLE, 40, 40,
                                    kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
  if (host == nullptr) return Fail("no host window");
  const int result = RunPreview(host, argv[1]);
  if (result == 0) std::printf("preview_host: ok\n");
  return result;
}
