// pointer_probe CAPTION: follows the pointer's display count of the program that owns the
// window with that caption, until that program ends. Prints "running N" at once (N is the count
// while it runs; below 0 the pointer is hidden) and, when it has ended, "last N": the count last
// seen while its thread still lived. Exits 1 when there is no such window, 2 when the program
// does not end within a minute.
//
// The count belongs to a thread's input queue, and the system takes a thread's share of it back
// when the thread ends: read afterwards, the pointer looks shown whatever the program did. So
// the probe shares the program's input queue (AttachThreadInput) and reads the count on the
// way, checking after each read that the program's thread had not ended before it.

#include <windows.h>

#include <cstdio>

namespace {

constexpr DWORD kPollMilliseconds = 1;
constexpr DWORD kLimitMilliseconds = 60000;

// ShowCursor answers with the new count; the second call puts it back.
int DisplayCount() {
  const int lowered = ShowCursor(FALSE);
  ShowCursor(TRUE);
  return lowered + 1;
}

bool Ended(HANDLE thread) {
  return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const HWND window = FindWindowA(nullptr, argv[1]);
  if (window == nullptr) return 1;
  const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
  const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // gives this thread its queue
  if (thread == nullptr || !AttachThreadInput(GetCurrentThreadId(), threadId, TRUE)) return 2;

  int last = DisplayCount();
  std::printf("running %d\n", last);
  std::fflush(stdout);
  for (const DWORD start = GetTickCount(); GetTickCount() - start < kLimitMilliseconds;) {
    const int count = DisplayCount();
    if (Ended(thread)) {
      std::printf("last %d\n", last);
      return 0;
    }
    last = count;
    Sleep(kPollMilliseconds);
  }
  return 2;
}
