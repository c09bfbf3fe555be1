// frame_probe first PROGRAM [ARGUMENT...]
// frame_probe times SECONDS PROGRAM [ARGUMENT...]
// Runs the program and watches the X server (the DAMAGE extension on the root window) for what
// it draws: the same measure, from outside, for any build. Times are milliseconds since the
// exec. Meant for a server whose screen is black (Xvfb -br), as a screen saver's is.
//   first: one line, "covered FIRST_DRAWING frame FIRST_RAIN libraries COUNT". FIRST_DRAWING:
//     the server first drew for the program (its window went up); FIRST_RAIN: the top 20 rows
//     of the screen first showed a lit pixel, the rain's first frame; COUNT: the shared
//     libraries the program had mapped then.
//   times: from the first rain on, for SECONDS, one line per frame the server drew: when the
//     screen's damage, cleared after each report, was first reported again.
// Then the program gets SIGTERM.

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

// The first drawing and the first rain, as the `first` line.
struct Start {
  double covered = -1;
  double frame = -1;
};

Start WaitForRain(Display* display, int damageEvent, std::chrono::steady_clock::time_point start) {
  Start times;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != damageEvent + XDamageNotify) continue;
    const double now = MillisecondsSince(start);
    if (times.covered < 0) times.covered = now;
    if (TopRowsLit(display)) {
      times.frame = now;
      return times;
    }
  }
}

void PrintFrameTimes(Display* display, int damageEvent, double seconds,
                     std::chrono::steady_clock::time_point start) {
  const Damage damage = XDamageCreate(display, XDefaultRootWindow(display), XDamageReportNonEmpty);
  const double end = MillisecondsSince(start) + seconds * 1000;
  for (double now = 0; now < end;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != damageEvent + XDamageNotify) continue;
    now = MillisecondsSince(start);
    XDamageSubtract(display, damage, None, None);
    std::printf("%.3f\n", now);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  const std::string mode = argc > 1 ? argv[1] : "";
  const int programAt = mode == "times" ? 3 : 2;
  if (argc <= programAt || (mode != "first" && mode != "times") || display == nullptr ||
      !XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr,
                 "usage: frame_probe first|times SECONDS PROGRAM [ARGUMENT...], on a "
                 "display with DAMAGE\n");
    return 2;
  }
  const Damage raw =
      XDamageCreate(display, XDefaultRootWindow(display), XDamageReportRawRectangles);
  XSync(display, True);  // the report of the root as it was
  const auto start = std::chrono::steady_clock::now();
  const pid_t program = fork();
  if (program == 0) {
    execv(argv[programAt], argv + programAt);
    _exit(127);
  }
  const Start times = WaitForRain(display, damageEvent, start);
  if (mode == "first") {
    std::printf("covered %.2f frame %.2f libraries %zu\n", times.covered, times.frame,
                SharedLibraries(program));
  } else {
    XDamageDestroy(display, raw);
    PrintFrameTimes(display, damageEvent, std::stod(argv[2]), start);
  }
  kill(program, SIGTERM);
  int status = 0;
  waitpid(program, &status, 0);
  XCloseDisplay(display);
  return 0;
}
