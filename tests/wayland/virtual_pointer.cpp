// wayland_pointer: a mouse for the Wayland end-to-end scripts, through the compositor's virtual
// pointer. "move X Y WIDTH HEIGHT" puts it at (X, Y) of a layout of that extent, "nudge DX DY"
// moves it by that much, "click [left|middle|right]" presses and releases a button (left
// unless named), "double-click" clicks the left button twice 80 ms apart. Exit status 2 when
// the compositor offers no virtual pointer or the command is not one of these.

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

// The events a command line asks for, sent through the pointer it is given; empty when the
// command line is not one of the commands.
using Events = std::function<void(wl_display*, zwlr_virtual_pointer_v1*)>;
Events Parse(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  // The whole numbers that follow the command, up to the first word that is none.
  std::vector<std::int32_t> n;
  for (int i = 2; i < argc; ++i) {
    std::int32_t value = 0;
    const char* end = argv[i] + std::strlen(argv[i]);
    if (std::from_chars(argv[i], end, value).ptr != end) break;
    n.push_back(value);
  }
  if (command == "move" && argc == 6 && n.size() == 4) {
    const auto at = [n](std::size_t i) { return static_cast<std::uint32_t>(n[i]); };
    return [at](wl_display*, zwlr_virtual_pointer_v1* pointer) {
      zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), at(0), at(1), at(2), at(3));
      zwlr_virtual_pointer_v1_frame(pointer);
    };
  }
  if (command == "nudge" && argc == 4 && n.size() == 2) {
    return [n](wl_display*, zwlr_virtual_pointer_v1* pointer) {
      zwlr_virtual_pointer_v1_motion(pointer, Now(), wl_fixed_from_int(n[0]),
                                     wl_fixed_from_int(n[1]));
      zwlr_virtual_pointer_v1_frame(pointer);
    };
  }
  const std::map<std::string, std::uint32_t> buttons{
      {"left", BTN_LEFT}, {"middle", BTN_MIDDLE}, {"right", BTN_RIGHT}};
  const auto button = buttons.find(argc == 3 ? argv[2] : "left");
  if (command == "click" && argc <= 3 && button != buttons.end()) {
    return [button = button->second](wl_display*, zwlr_virtual_pointer_v1* pointer) {
      Click(pointer, button);
    };
  }
  if (command == "double-click" && argc == 2) {
    return [](wl_display* display, zwlr_virtual_pointer_v1* pointer) {
      Click(pointer, BTN_LEFT);
      wl_display_flush(display);
      std::this_thread::sleep_for(std::chrono::milliseconds(80));
      Click(pointer, BTN_LEFT);
    };
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const Events events = Parse(argc, argv);
  if (!events) {
    std::fputs(
        "usage: wayland_pointer move X Y WIDTH HEIGHT | nudge DX DY |"
        " click [left|middle|right] | double-click\n",
        stderr);
    return 2;
  }
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
  // A new pointer device gives the seat its pointer: clients take theirs only when told, so
  // events sent at once would reach no one.
  const Pointer pointer(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager.get(), {}));
  wl_display_roundtrip(display.get());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  events(display.get(), pointer.get());
  if (wl_display_roundtrip(display.get()) >= 0) return 0;
  std::fputs("wayland_pointer: the compositor closed the connection\n", stderr);
  return 2;
}
