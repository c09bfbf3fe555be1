// first_frame_probe PROGRAM [ARGUMENT...]: runs the program and watches the X server (the
// DAMAGE extension on the root window) for what it draws, to time a start-up from outside, as
// the same measure for any build. It prints one line, times in milliseconds since the exec:
//   covered FIRST_DRAWING frame FIRST_RAIN libraries COUNT
// FIRST_DRAWING: the server first drew for the program (its window went up); FIRST_RAIN: the
// top 20 rows of the screen first showed a lit pixel, the rain's first frame; COUNT: the
// shared libraries the program had mapped then. The program then gets SIGTERM. Meant for a
// server whose screen is black (Xvfb -br), as a screen saver's is.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <string>

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

struct ImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

bool TopRowsLit(Display* display) {
  const int width = XDisplayWidth(display, XDefaultScreen(display));
  const std::unique_ptr<XImage, ImageDeleter> image(XGetImage(display, XDefaultRootWindow(display),
                                                              0, 0, static_cast<unsigned>(width),
                                                              20, AllPlanes, ZPixmap));
  for (int y = 0; image && y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      if ((XGetPixel(image.get(), x, y) & 0xFFFFFF) != 0) return true;
    }
  }
  return false;
}

std::size_t SharedLibraries(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::set<std::string> libraries;
  for (std::string line; std::getline(maps, line);) {
    const std::size_t path = line.find('/');
    if (path != std::string::npos && line.find(".so", path) != std::string::npos) {
      libraries.insert(line.substr(path));
    }
  }
  return libraries.size();
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  if (argc < 2 || display == nullptr ||
      !XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr,
                 "usage: first_frame_probe PROGRAM [ARGUMENT...], on a display with DAMAGE\n");
    return 2;
  }
  XDamageCreate(display, XDefaultRootWindow(display), XDamageReportRawRectangles);
  XSync(display, True);  // the report of the root as it was
  const auto start = std::chrono::steady_clock::now();
  const pid_t program = fork();
  if (program == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  double covered = -1;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != damageEvent + XDamageNotify) continue;
    const double now = MillisecondsSince(start);
    if (covered < 0) covered = now;
    if (TopRowsLit(display)) {
      std::printf("covered %.2f frame %.2f libraries %zu\n", covered, now,
                  SharedLibraries(program));
      break;
    }
  }
  kill(program, SIGTERM);
  int status = 0;
  waitpid(program, &status, 0);
  XCloseDisplay(display);
  return 0;
}
