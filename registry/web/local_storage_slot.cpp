#include "registry/web/local_storage_slot.h"

#include <emscripten/emscripten.h>

namespace {

constexpr const char* kEntry = "quellar:registry";

// clang-format off
// The text read, or why nothing was read or written, waits in Module.quellarSlotPending until
// TakePending copies it out: the C++ side sizes the buffer, so nothing is allocated in JS.
EM_JS(int, quellar_slot_read, (const char* entry), {
  try {
    const text = window.localStorage.getItem(UTF8ToString(entry));
    if (text === null) return 0;
    Module.quellarSlotPending = text;
    return 1;
  } catch (error) {
    Module.quellarSlotPending = String(error);
    return -1;
  }
});

EM_JS(int, quellar_slot_write, (const char* entry, const char* text, int size), {
  try {
    window.localStorage.setItem(UTF8ToString(entry), UTF8ToString(text, size));
    return 1;
  } catch (error) {
    Module.quellarSlotPending = String(error);
    return -1;
  }
});

EM_JS(int, quellar_slot_pending_size, (), {
  return lengthBytesUTF8(Module.quellarSlotPending);
});

EM_JS(void, quellar_slot_take_pending, (char* buffer, int size), {
  stringToUTF8(Module.quellarSlotPending, buffer, size + 1);
  Module.quellarSlotPending = "";
});
// clang-format on

std::string TakePending() {
  std::string text(static_cast<std::size_t>(quellar_slot_pending_size()), '\0');
  // Also writes the terminating NUL, which the string keeps anyway.
  quellar_slot_take_pending(text.data(), static_cast<int>(text.size()));
  return text;
}

}  // namespace

namespace quellar::registry {

std::string LocalStorageSlot::Name() const {
  return std::string("localStorage[\"") + kEntry + "\"]";
}

SlotText LocalStorageSlot::Read() {
  switch (quellar_slot_read(kEntry)) {
    case 0:
      return {};
    case 1:
      return {TakePending(), {}};
    default:
      return {std::nullopt, TakePending()};
  }
}

std::string LocalStorageSlot::Write(const std::string& text) {
  return quellar_slot_write(kEntry, text.c_str(), static_cast<int>(text.size())) == 1
             ? std::string()
             : TakePending();
}

}  // namespace quellar::registry
