// wayland_pointer: a mouse for the Wayland end-to-end scripts, through the compositor's virtual
// pointer. "move X Y WIDTH HEIGHT" puts it at (X, Y) of a layout of that extent, "nudge DX DY"
// moves it by that much, "click [left|middle|right]" presses and releases a button (left
// unless named), "double-click" clicks the left button twice 80 ms apart. Exit status 2 when
// the compositor offers no virtual pointer or the command is not one of these.

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "wlr-virtual-pointer-unstable-v1-client.h"

namespace {

template <auto Destroy>
struct Destroyer {
  template <typename T>
  void operator()(T* object) const {
    Destroy(object);
  }
};
template <typename T, auto Destroy>
using Owned = std::unique_ptr<T, Destroyer<Destroy>>;

using Manager = Owned<zwlr_virtual_pointer_manager_v1, zwlr_virtual_pointer_manager_v1_destroy>;
using Pointer = Owned<zwlr_virtual_pointer_v1, zwlr_virtual_pointer_v1_destroy>;

void BindManager(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                 std::uint32_t) {
  if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) != 0) return;
  static_cast<Manager*>(data)->reset(static_cast<zwlr_virtual_pointer_manager_v1*>(
      wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1)));
}
void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}
constexpr wl_registry_listener kRegistryListener{BindManager, IgnoreRemoval};

// Event times on the millisecond clock the compositor's own devices use: it wraps, as theirs do.
std::uint32_t Now() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void Click(zwlr_virtual_pointer_v1* pointer, std::uint32_t button) {
  for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
    zwlr_virtual_pointer_v1_button(pointer, Now(), button, state);
    zwlr_virtual_pointer_v1_frame(pointer);
  }
}

// Sends the command's events; false when it is not a command.
bool Send(wl_display* display, zwlr_virtual_pointer_v1* pointer, int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const auto number = [&](int i) { return std::strtol(argv[i], nullptr, 10); };
  const auto fixed = [&](int i) { return wl_fixed_from_int(static_cast<int>(number(i))); };
  const auto whole = [&](int i) { return static_cast<std::uint32_t>(number(i)); };
  if (command == "move" && argc == 6) {
    zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), whole(2), whole(3), whole(4), whole(5));
  } else if (command == "nudge" && argc == 4) {
    zwlr_virtual_pointer_v1_motion(pointer, Now(), fixed(2), fixed(3));
  } else if (command == "click" && argc <= 3) {
    const std::string name = argc == 3 ? argv[2] : "left";
    if (name != "left" && name != "middle" && name != "right") return false;
    Click(pointer, name == "left" ? BTN_LEFT : name == "middle" ? BTN_MIDDLE : BTN_RIGHT);
    return true;
  } else if (command == "double-click" && argc == 2) {
    Click(pointer, BTN_LEFT);
    wl_display_flush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    Click(pointer, BTN_LEFT);
    return true;
  } else {
    return false;
  }
  zwlr_virtual_pointer_v1_frame(pointer);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const Owned<wl_display, wl_display_disconnect> display(wl_display_connect(nullptr));
  if (!display) {
    std::fputs("wayland_pointer: no Wayland display\n", stderr);
    return 2;
  }
  Manager manager;
  const Owned<wl_registry, wl_registry_destroy> registry(wl_display_get_registry(display.get()));
  wl_registry_add_listener(registry.get(), &kRegistryListener, &manager);
  wl_display_roundtrip(display.get());
  if (!manager) {
    std::fputs("wayland_pointer: the compositor offers no virtual pointer\n", stderr);
    return 2;
  }
  // A new pointer device gives the seat its pointer: clients bind theirs only when told, so
  // events sent at once would reach no one.
  const Pointer pointer(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager.get(), {}));
  wl_display_roundtrip(display.get());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  if (!Send(display.get(), pointer.get(), argc, argv)) {
    std::fputs(
        "usage: wayland_pointer move X Y WIDTH HEIGHT | nudge DX DY |"
        " click [left|middle|right] | double-click\n",
        stderr);
    return 2;
  }
  return wl_display_roundtrip(display.get()) < 0 ? 2 : 0;
}
