#include "platforms/x11/saver_flag.h"

#include <X11/Xatom.h>

#include <cstring>
#include <memory>
#include <string>

#include "platforms/x11/display.h"
#include "platforms/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr const char* kPropertyName = "_QUELLAR_SCREENSAVER_RUNNING";

void DeleteFlag(Display* display) {
  XDeleteProperty(display, XDefaultRootWindow(display), XInternAtom(display, kPropertyName, False));
  XSync(display, False);
}

// The dead connection can no longer remove the flag, but the server may well be alive (a
// client killed with XKillClient): a new connection can.
void DeleteFlagThroughNewConnection(const std::string& displayName) {
  const DisplayPtr display(XOpenDisplay(displayName.c_str()));
  if (display) DeleteFlag(display.get());
}

struct XFreeDeleter {
  void operator()(unsigned char* data) const { XFree(data); }
};

}  // namespace

SaverFlag::SaverFlag(Display* display)
    : display_(display),
      root_(XDefaultRootWindow(display)),
      atom_(XInternAtom(display, kPropertyName, False)) {}

SaverFlag::~SaverFlag() {
  if (owner_.Get() != None) Set(false);
}

// The selection is taken before the property is written and given up after it is deleted, so
// that a property without an owner is always one that its run left behind.
void SaverFlag::Set(bool running) {
  if (running) {
    if (owner_.Get() == None) {
      owner_ = OwnedWindow(display_, XCreateWindow(display_, root_, -1, -1, 1, 1, 0, 0, InputOnly,
                                                   CopyFromParent, 0, nullptr));
    }
    XSetSelectionOwner(display_, atom_, owner_.Get(), CurrentTime);
    const long value = 1;
    XChangeProperty(display_, root_, atom_, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(display_, False);
    SetConnectionLostAction(
        ConnectionLostStep::kClearSaverFlag,
        [name = std::string(XDisplayString(display_))] { DeleteFlagThroughNewConnection(name); });
  } else {
    DeleteFlag(display_);
    // Only the window's own selection goes with it: one that a later run took stays.
    owner_.Reset();
    XSync(display_, False);
    SetConnectionLostAction(ConnectionLostStep::kClearSaverFlag, nullptr);
  }
}

bool SaverFlag::IsSet() const {
  return XGetSelectionOwner(display_, atom_) != None && PropertySet();
}

bool SaverFlag::PropertySet() const {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* raw = nullptr;
  XGetWindowProperty(display_, root_, atom_, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                     &remaining, &raw);
  const std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
  // Xlib hands 32-bit items back as longs.
  long value = 0;
  if (data && type == XA_CARDINAL && format == 32 && count == 1) {
    std::memcpy(&value, data.get(), sizeof value);
  }
  return value != 0;
}

}  // namespace quellar::x11
