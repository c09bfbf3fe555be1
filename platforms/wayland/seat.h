#pragma once
// The seat's keyboard and pointer, as the seat's capabilities bring and take them, turned into
// frmMain's loop events: a key as its keysym (xkbcommon reads the keymap the compositor or a
// virtual keyboard sends), repeated while held; a button press as X numbers it, with its time
// and place; a movement. A pointer entering a surface is no movement: it only hides the pointer
// there while the run keeps it hidden.

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <deque>
#include <memory>

#include "platforms/desktop/loop_connection.h"
#include "platforms/wayland/key_repeat.h"
#include "platforms/wayland/wayland_ptr.h"

namespace quellar::wayland {

class Seat {
 public:
  // Events go to `events`; `now` reads the loop's clock.
  Seat(wl_seat* seat, std::deque<desktop::WindowEvent>& events, std::int64_t (*now)());
  ~Seat();
  Seat(const Seat&) = delete;
  Seat& operator=(const Seat&) = delete;

  void SetPointerHidden(bool hidden);
  // Queues the repeats due by now; when the next one is due.
  void QueueRepeats();
  std::optional<std::int64_t> NextRepeat() const { return repeat_.NextDue(); }

 private:
  struct XkbDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
  };

  static void OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
  static void OnName(void* data, wl_seat* seat, const char* name);
  static void OnKeymap(void* data, wl_keyboard* keyboard, std::uint32_t format, int fd,
                       std::uint32_t size);
  static void OnKeyboardEnter(void* data, wl_keyboard* keyboard, std::uint32_t serial,
                              wl_surface* surface, wl_array* keys);
  static void OnKeyboardLeave(void* data, wl_keyboard* keyboard, std::uint32_t serial,
                              wl_surface* surface);
  static void OnKey(void* data, wl_keyboard* keyboard, std::uint32_t serial, std::uint32_t time,
                    std::uint32_t key, std::uint32_t state);
  static void OnModifiers(void* data, wl_keyboard* keyboard, std::uint32_t serial,
                          std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                          std::uint32_t group);
  static void OnRepeatInfo(void* data, wl_keyboard* keyboard, std::int32_t rate,
                           std::int32_t delay);
  static void OnPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial,
                             wl_surface* surface, wl_fixed_t x, wl_fixed_t y);
  static void OnPointerLeave(void* data, wl_pointer* pointer, std::uint32_t serial,
                             wl_surface* surface);
  static void OnMotion(void* data, wl_pointer* pointer, std::uint32_t time, wl_fixed_t x,
                       wl_fixed_t y);
  static void OnButton(void* data, wl_pointer* pointer, std::uint32_t serial, std::uint32_t time,
                       std::uint32_t button, std::uint32_t state);

  void UseKeyboard(bool present);
  void UsePointer(bool present);
  void HidePointerNow();

  wl_seat* seat_;
  std::deque<desktop::WindowEvent>& events_;
  std::int64_t (*now_)();
  std::unique_ptr<xkb_context, XkbDeleter> context_;
  std::unique_ptr<xkb_keymap, XkbDeleter> keymap_;
  std::unique_ptr<xkb_state, XkbDeleter> state_;
  wl_keyboard* keyboard_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  KeyRepeat repeat_;
  bool pointerHidden_ = false;
  std::optional<std::uint32_t> enterSerial_;  // while the pointer is over a surface of ours
  int pointerX_ = 0;
  int pointerY_ = 0;
};

}  // namespace quellar::wayland
