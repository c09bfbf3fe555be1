// A screen-saver host's preview, end to end. Usage: x11_preview_host QUELLAR
//
// Creates a white 152 x 112 window at (100, 100), starts "QUELLAR /p <its id>" and waits until
// the window holds one child of its own size at (0, 0), shown. Then prints "ready" and waits
// for a line on standard input, so that a script can look at the screen; then destroys its
// window and waits for the preview to end by itself with status 0. Exit status 0 when all of
// that happened; otherwise a line "FAIL: ..." and status 1.

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "windows/x11/display.h"

namespace {

constexpr int kHostX = 100;
constexpr int kHostY = 100;
constexpr unsigned kHostWidth = 152;
constexpr unsigned kHostHeight = 112;
constexpr auto kPatience = std::chrono::seconds(5);
constexpr auto kPollDelay = std::chrono::milliseconds(20);

// The preview's process; killed if it is still running when the host gives up.
class Preview {
 public:
  Preview(const char* program, ::Window host) : pid_(fork()) {
    if (pid_ == 0) {
      const std::string id = std::to_string(host);
      execl(program, program, "/p", id.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~Preview() {
    if (pid_ > 0 && !exitStatus_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit status once the process has ended.
  std::optional<int> ExitStatus() {
    int status = 0;
    if (!exitStatus_ && waitpid(pid_, &status, WNOHANG) == pid_) {
      exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return exitStatus_;
  }

 private:
  pid_t pid_;
  std::optional<int> exitStatus_;
};

template <typename Condition>
bool WaitFor(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPollDelay);
  }
  return true;
}

// The host's only child, shown at (0, 0) with the host's size.
bool HasFittingChild(Display* display, ::Window host) {
  ::Window root = 0;
  ::Window parent = 0;
  ::Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, host, &root, &parent, &children, &count) == 0) return false;
  const std::unique_ptr<::Window, int (*)(void*)> owned(children, XFree);
  if (count != 1) return false;
  XWindowAttributes child{};
  XGetWindowAttributes(display, children[0], &child);
  return child.x == 0 && child.y == 0 && child.width == static_cast<int>(kHostWidth) &&
         child.height == static_cast<int>(kHostHeight) && child.map_state == IsViewable;
}

int Fail(const std::string& reason) {
  std::cout << "FAIL: " << reason << std::endl;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: x11_preview_host QUELLAR");
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return Fail("no display");
  Display* d = display.get();
  const int screen = XDefaultScreen(d);
  const ::Window host =
      XCreateSimpleWindow(d, XRootWindow(d, screen), kHostX, kHostY, kHostWidth, kHostHeight, 0,
                          XBlackPixel(d, screen), XWhitePixel(d, screen));
  XMapWindow(d, host);
  XSync(d, False);

  Preview preview(argv[1], host);
  if (!preview.Started()) return Fail("cannot start the preview");
  if (!WaitFor([&] { return HasFittingChild(d, host) || preview.ExitStatus(); })) {
    return Fail("no child window of the host's size appeared");
  }
  if (const std::optional<int> status = preview.ExitStatus()) {
    return Fail("the preview ended at once with status " + std::to_string(*status));
  }
  std::cout << "ready" << std::endl;
  std::string line;
  std::getline(std::cin, line);

  XDestroyWindow(d, host);
  XSync(d, False);
  if (!WaitFor([&] { return preview.ExitStatus().has_value(); })) {
    return Fail("the preview still runs after its host window was destroyed");
  }
  if (*preview.ExitStatus() != 0) {
    return Fail("the preview ended with status " + std::to_string(*preview.ExitStatus()));
  }
  std::cout << "ended" << std::endl;
  return 0;
}
