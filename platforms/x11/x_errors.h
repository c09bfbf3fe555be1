#pragma once
// Xlib's own handlers end the process on the first protocol error and on a lost connection,
// without unwinding, which would leave the desktop in the screen-saver state. These keep a
// protocol error as a value for the event loop to raise, and make a lost connection end the
// process after a last repair of the desktop.

#include <X11/Xlib.h>

#include <functional>
#include <optional>
#include <string>

namespace quellar::x11 {

// Installs the process-wide handlers, before a connection is opened.
void InstallXErrorHandlers();

// The first protocol error reported outside an ErrorTrap since the last call, as a message.
std::optional<std::string> TakeXError(Display* display);

// What a lost connection still does, in this order, before the process ends with status 1: the
// settings of the run are stored, and the screen-saver flag is cleared through a new
// connection (the pointer went with the old one).
enum class ConnectionLostStep { kStoreSettings, kClearSaverFlag };

// Sets the action of one step; empty clears it.
void SetConnectionLostAction(ConnectionLostStep step, std::function<void()> action);

// While alive, protocol errors go here instead of to the event loop: for the calls whose
// failure is an answer (a window id of another client that may be gone).
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* display);
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Waits until the server has answered every request made so far; true when one failed.
  bool Failed();

 private:
  friend int OnXError(Display* display, XErrorEvent* event);
  Display* display_;
  ErrorTrap* outer_;
  bool failed_ = false;
};

// The attributes of a window that may have gone (another client's): none when it has.
std::optional<XWindowAttributes> AttributesOf(Display* display, ::Window window);

}  // namespace quellar::x11
