#include "platforms/x11/x_connection.h"

#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <array>
#include <chrono>

#include "platforms/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
// Longer than a tick at the default speed (41 ms), so that its wake-up takes the completion;
// short enough that a key or a move waits no longer than a frame does.
constexpr std::int64_t kFrameReadWait = 50 * desktop::kNanosecondsPerMillisecond;

}  // namespace

desktop::SignalRequest XConnection::TakeSignals() {
  return signalsMayWait_ ? signals_.Take() : desktop::SignalRequest::kNothing;
}

// Xlib's queue holds every event read so far: the last wait's flush took in what xcb had read.
int XConnection::Arrived() {
  return serverMayHaveSent_ ? XPending(display_) : XQLength(display_);
}

// Only from the queue: a handler may have taken events out of it (the surface takes its
// completions), and reading the connection here could block.
desktop::WindowEvent XConnection::Take() {
  if (XQLength(display_) == 0) return {};
  XEvent event;
  XNextEvent(display_, &event);
  switch (event.type) {
    case KeyPress: {
      KeySym keysym = NoSymbol;
      XLookupString(&event.xkey, nullptr, 0, &keysym, nullptr);
      return desktop::KeyPressed{static_cast<std::uint32_t>(keysym)};
    }
    case ButtonPress:
      return desktop::ButtonPressed{event.xbutton.button,
                                    static_cast<std::uint32_t>(event.xbutton.time), event.xbutton.x,
                                    event.xbutton.y};
    case MotionNotify:
      return desktop::PointerMoved{};
    case Expose:
      surface_.Repaint(
          {event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height});
      return {};
    default:
      return surface_.HandleEvent(event) ? desktop::WindowEvent{} : OfWindow(event);
  }
}

desktop::WindowEvent XConnection::OfWindow(const XEvent& event) {
  if (event.type == ConfigureNotify && event.xconfigure.window == window_.Id()) {
    const XConfigureEvent& configure = event.xconfigure;
    const bool newSize = configure.width != window_.Width() || configure.height != window_.Height();
    window_.Resized(configure.width, configure.height);
    return desktop::WindowConfigured{configure.width, configure.height, newSize};
  }
  if (event.type == DestroyNotify && event.xdestroywindow.window == window_.Id()) {
    // The host destroyed its window (in a preview, ours with it): nothing is left to free.
    window_.ForgetDestroyed();
    return desktop::WindowDestroyed{};
  }
  return {};
}

std::optional<std::string> XConnection::TakeError() {
  return TakeXError(display_);
}

bool XConnection::WindowExists() {
  return AttributesOf(display_, window_.Id()).has_value();
}

void XConnection::WaitUntil(std::int64_t deadline) {
  XFlush(display_);
  signalsMayWait_ = serverMayHaveSent_ = true;
  // Events that Xlib has already read would not wake poll().
  if (XQLength(display_) > 0) return;
  // The server's completion of a frame comes moments after the frame: waking for it would be a
  // second wake-up per tick. Until it has been taken, the connection waits for the next tick,
  // or kFrameReadWait at most (poll() leaves a negative descriptor alone).
  const bool frameUnread = !surface_.Settled();
  const std::int64_t now = Now();
  if (frameUnread) deadline = std::min(deadline, now + kFrameReadWait);
  // To the nanosecond: a wait rounded to whole milliseconds would cost a 1 ms timer ticks.
  const std::int64_t wait = std::max<std::int64_t>(deadline - now, 0);
  const timespec timeout{static_cast<time_t>(wait / kNanosecondsPerSecond),
                         static_cast<long>(wait % kNanosecondsPerSecond)};
  std::array<pollfd, 2> sources{pollfd{frameUnread ? -1 : XConnectionNumber(display_), POLLIN, 0},
                                pollfd{signals_.Descriptor(), POLLIN, 0}};
  if (ppoll(sources.data(), sources.size(), &timeout, nullptr) < 0) return;
  serverMayHaveSent_ = frameUnread || sources[0].revents != 0;
  signalsMayWait_ = sources[1].revents != 0;
}

}  // namespace quellar::x11
