#include "platforms/wayland/wayland_connection.h"

#include <poll.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <utility>

namespace quellar::wayland {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
// Longer than a tick at the default speed (41 ms), so that the tick's own wake-up takes the
// frame callback; short enough that a key or a move waits no longer than a frame does.
constexpr std::int64_t kFrameCallbackWait = 50 * desktop::kNanosecondsPerMillisecond;

}  // namespace

int WaylandConnection::Arrived() {
  if (!lost_ && !display_.DispatchArrived()) lost_ = true;
  if (Seat* seat = display_.InputSeat()) seat->QueueRepeats();
  return static_cast<int>(display_.Events().size());
}

desktop::WindowEvent WaylandConnection::Take() {
  auto& events = display_.Events();
  if (events.empty()) return {};
  desktop::WindowEvent event = events.front();
  events.pop_front();
  return event;
}

std::optional<std::string> WaylandConnection::TakeError() {
  if (!lost_ || reported_) return std::nullopt;
  reported_ = true;
  return display_.Failure();
}

void WaylandConnection::WaitUntil(std::int64_t deadline) {
  if (onShown_ && display_.EveryOutputShown()) std::exchange(onShown_, nullptr)();
  if (!display_.Flush()) lost_ = true;
  if (lost_ || !display_.Events().empty()) return;
  if (const Seat* seat = display_.InputSeat()) {
    deadline = std::min(deadline, seat->NextRepeat().value_or(deadline));
  }
  // The compositor answers a frame moments after it: waking for that would be a second wake-up
  // per tick. While one is awaited, the connection waits for the next tick, or
  // kFrameCallbackWait at most (poll() leaves a negative descriptor alone).
  const bool frameAwaited = display_.AwaitingFrames();
  const std::int64_t now = Now();
  if (frameAwaited) deadline = std::min(deadline, now + kFrameCallbackWait);
  const std::int64_t wait = std::max<std::int64_t>(deadline - now, 0);
  const timespec timeout{static_cast<time_t>(wait / kNanosecondsPerSecond),
                         static_cast<long>(wait % kNanosecondsPerSecond)};
  std::array<pollfd, 2> sources{
      pollfd{frameAwaited ? -1 : wl_display_get_fd(display_.Get()), POLLIN, 0},
      pollfd{signals_.Descriptor(), POLLIN, 0}};
  ppoll(sources.data(), sources.size(), &timeout, nullptr);
}

}  // namespace quellar::wayland
