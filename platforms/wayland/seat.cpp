#include "platforms/wayland/seat.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

namespace quellar::wayland {
namespace {

// X's numbers for the buttons: 1 left, 2 middle, 3 right; the others past the wheel's steps.
unsigned int XButtonOf(std::uint32_t button) {
  switch (button) {
    case BTN_LEFT:
      return 1;
    case BTN_MIDDLE:
      return 2;
    case BTN_RIGHT:
      return 3;
    default:
      return 8 + (button - BTN_SIDE);
  }
}

}  // namespace

Seat::Seat(wl_seat* seat, std::deque<desktop::WindowEvent>& events, std::int64_t (*now)())
    : seat_(seat), events_(events), now_(now), context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
  static const wl_seat_listener listener{&Seat::OnCapabilities, &Seat::OnName};
  wl_seat_add_listener(seat_, &listener, this);
}

Seat::~Seat() {
  UseKeyboard(false);
  UsePointer(false);
  Release(seat_, wl_seat_release, wl_seat_destroy);
}

void Seat::OnCapabilities(void* data, wl_seat* /*seat*/, std::uint32_t capabilities) {
  auto& self = *static_cast<Seat*>(data);
  self.UseKeyboard((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0);
  self.UsePointer((capabilities & WL_SEAT_CAPABILITY_POINTER) != 0);
}

void Seat::OnName(void* /*data*/, wl_seat* /*seat*/, const char* /*name*/) {}

void Seat::UseKeyboard(bool present) {
  if (present == (keyboard_ != nullptr)) return;
  if (present) {
    static const wl_keyboard_listener listener{&Seat::OnKeymap,        &Seat::OnKeyboardEnter,
                                               &Seat::OnKeyboardLeave, &Seat::OnKey,
                                               &Seat::OnModifiers,     &Seat::OnRepeatInfo};
    keyboard_ = wl_seat_get_keyboard(seat_);
    wl_keyboard_add_listener(keyboard_, &listener, this);
    return;
  }
  Release(keyboard_, wl_keyboard_release, wl_keyboard_destroy);
  keyboard_ = nullptr;
  repeat_.Stop();
}

void Seat::UsePointer(bool present) {
  if (present == (pointer_ != nullptr)) return;
  if (present) {
    static const wl_pointer_listener listener{
        .enter = &Seat::OnPointerEnter,
        .leave = &Seat::OnPointerLeave,
        .motion = &Seat::OnMotion,
        .button = &Seat::OnButton,
        .axis = [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {},
        .frame = [](void*, wl_pointer*) {},
        .axis_source = [](void*, wl_pointer*, std::uint32_t) {},
        .axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {},
        .axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
        // Version 8; 5 is bound.
        .axis_value120 = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {}};
    pointer_ = wl_seat_get_pointer(seat_);
    wl_pointer_add_listener(pointer_, &listener, this);
    return;
  }
  Release(pointer_, wl_pointer_release, wl_pointer_destroy);
  pointer_ = nullptr;
  enterSerial_.reset();
}

// Only XKB's text format exists; a keymap of another leaves keys without keysyms.
void Seat::OnKeymap(void* data, wl_keyboard* /*keyboard*/, std::uint32_t format, int fd,
                    std::uint32_t size) {
  auto& self = *static_cast<Seat*>(data);
  self.state_.reset();
  self.keymap_.reset();
  if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && self.context_) {
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text != MAP_FAILED) {
      self.keymap_.reset(
          xkb_keymap_new_from_buffer(self.context_.get(), static_cast<const char*>(text), size - 1,
                                     XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
      munmap(text, size);
    }
    if (self.keymap_) self.state_.reset(xkb_state_new(self.keymap_.get()));
  }
  close(fd);
}

// Keys already down when the keyboard enters were pressed elsewhere.
void Seat::OnKeyboardEnter(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                           wl_surface* /*surface*/, wl_array* /*keys*/) {}

void Seat::OnKeyboardLeave(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                           wl_surface* /*surface*/) {
  static_cast<Seat*>(data)->repeat_.Stop();
}

// Wayland's key codes are evdev's; XKB's are 8 more, as X's are.
void Seat::OnKey(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                 std::uint32_t /*time*/, std::uint32_t key, std::uint32_t state) {
  auto& self = *static_cast<Seat*>(data);
  if (state != WL_KEYBOARD_KEY_STATE_PRESSED) {
    self.repeat_.Released(key);
    return;
  }
  if (!self.state_) return;
  const xkb_keycode_t code = key + 8;
  const xkb_keysym_t keysym = xkb_state_key_get_one_sym(self.state_.get(), code);
  if (keysym == XKB_KEY_NoSymbol) return;
  self.events_.push_back(desktop::KeyPressed{keysym});
  if (xkb_keymap_key_repeats(self.keymap_.get(), code) != 0) {
    self.repeat_.Pressed(key, keysym, self.now_());
  }
}

void Seat::OnModifiers(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                       std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                       std::uint32_t group) {
  auto& self = *static_cast<Seat*>(data);
  if (self.state_)
    xkb_state_update_mask(self.state_.get(), depressed, latched, locked, 0, 0, group);
}

void Seat::OnRepeatInfo(void* data, wl_keyboard* /*keyboard*/, std::int32_t rate,
                        std::int32_t delay) {
  static_cast<Seat*>(data)->repeat_.SetRate(rate, delay);
}

void Seat::QueueRepeats() {
  const std::int64_t now = now_();
  while (const std::optional<std::uint32_t> keysym = repeat_.TakeDue(now)) {
    events_.push_back(desktop::KeyPressed{*keysym});
  }
}

void Seat::OnPointerEnter(void* data, wl_pointer* /*pointer*/, std::uint32_t serial,
                          wl_surface* /*surface*/, wl_fixed_t x, wl_fixed_t y) {
  auto& self = *static_cast<Seat*>(data);
  self.enterSerial_ = serial;
  self.pointerX_ = wl_fixed_to_int(x);
  self.pointerY_ = wl_fixed_to_int(y);
  if (self.pointerHidden_) self.HidePointerNow();
}

void Seat::OnPointerLeave(void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                          wl_surface* /*surface*/) {
  static_cast<Seat*>(data)->enterSerial_.reset();
}

void Seat::OnMotion(void* data, wl_pointer* /*pointer*/, std::uint32_t /*time*/, wl_fixed_t x,
                    wl_fixed_t y) {
  auto& self = *static_cast<Seat*>(data);
  self.pointerX_ = wl_fixed_to_int(x);
  self.pointerY_ = wl_fixed_to_int(y);
  self.events_.push_back(desktop::PointerMoved{});
}

void Seat::OnButton(void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                    std::uint32_t time, std::uint32_t button, std::uint32_t state) {
  auto& self = *static_cast<Seat*>(data);
  if (state != WL_POINTER_BUTTON_STATE_PRESSED) return;
  self.events_.push_back(
      desktop::ButtonPressed{XButtonOf(button), time, self.pointerX_, self.pointerY_});
}

void Seat::SetPointerHidden(bool hidden) {
  pointerHidden_ = hidden;
  if (hidden) HidePointerNow();
}

// A surface without a cursor image hides the pointer while it is over that surface; showing it
// again would need a cursor theme, and the compositor's own comes back when the surfaces go.
void Seat::HidePointerNow() {
  if (pointer_ != nullptr && enterSerial_)
    wl_pointer_set_cursor(pointer_, *enterSerial_, nullptr, 0, 0);
}

}  // namespace quellar::wayland
