#include "platforms/x11/x_errors.h"

#include <array>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace quellar::x11 {
namespace {

// Xlib's handlers are plain functions without a context pointer, so what they report has to
// live here. The program has one thread.
struct ErrorState {
  ErrorTrap* trap = nullptr;
  std::optional<XErrorEvent> pending;
  std::array<std::function<void()>, 2> onConnectionLost;
};

ErrorState& State() {
  static ErrorState state;
  return state;
}

int OnConnectionLost(Display* /*display*/) {
  std::cerr << "quellar: lost the connection to the X display\n";
  for (const std::function<void()>& action : State().onConnectionLost) {
    if (action) action();
  }
  // Xlib must not get control back: it would end the process itself.
  std::_Exit(1);
}

}  // namespace

int OnXError(Display* /*display*/, XErrorEvent* event) {
  ErrorState& state = State();
  if (state.trap != nullptr) {
    state.trap->failed_ = true;
  } else if (!state.pending) {
    state.pending = *event;
  }
  return 0;
}

void InstallXErrorHandlers() {
  XSetErrorHandler(OnXError);
  XSetIOErrorHandler(OnConnectionLost);
}

std::optional<std::string> TakeXError(Display* display) {
  std::optional<XErrorEvent> error = std::exchange(State().pending, std::nullopt);
  if (!error) return std::nullopt;
  std::array<char, 160> text{};
  XGetErrorText(display, error->error_code, text.data(), static_cast<int>(text.size()));
  return "X error " + std::string(text.data()) + " in request " +
         std::to_string(error->request_code) + "." + std::to_string(error->minor_code);
}

void SetConnectionLostAction(ConnectionLostStep step, std::function<void()> action) {
  State().onConnectionLost[static_cast<std::size_t>(step)] = std::move(action);
}

ErrorTrap::ErrorTrap(Display* display) : display_(display), outer_(State().trap) {
  // Errors of earlier requests belong to whoever made them, not to this trap.
  XSync(display_, False);
  State().trap = this;
}

ErrorTrap::~ErrorTrap() {
  XSync(display_, False);
  State().trap = outer_;
}

bool ErrorTrap::Failed() {
  XSync(display_, False);
  return failed_;
}

std::optional<XWindowAttributes> AttributesOf(Display* display, ::Window window) {
  XWindowAttributes attributes{};
  ErrorTrap trap(display);
  const Status status = XGetWindowAttributes(display, window, &attributes);
  if (trap.Failed() || status == 0) return std::nullopt;
  return attributes;
}

}  // namespace quellar::x11
