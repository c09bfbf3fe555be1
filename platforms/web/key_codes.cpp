#include "platforms/web/key_codes.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/virtual_keys.h"

namespace quellar::web {
namespace {

struct NamedKey {
  std::string_view code;
  std::int16_t virtualKey;
};

constexpr NamedKey kNamedKeys[] = {
    {"Backspace", 8},
    {"Tab", 9},
    {"Enter", 13},
    {"NumpadEnter", 13},
    {"Escape", 27},
    {"Space", 32},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"ArrowLeft", 37},
    {"ArrowUp", 38},
    {"ArrowRight", 39},
    {"ArrowDown", 40},
    {"Insert", 45},
    {"Delete", 46},
    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},
    {"NumpadSubtract", 109},
    {"NumpadDecimal", 110},
    {"NumpadDivide", 111},
};

// Codes made of a prefix and a key's number or letter: "KeyA", "Digit7", "Numpad0", "F12".
struct NumberedKeys {
  std::string_view prefix;
  char first;
  char last;
  std::int16_t firstVirtualKey;
};

constexpr NumberedKeys kLetters{"Key", 'A', 'Z', 65};
constexpr NumberedKeys kDigits{"Digit", '0', '9', 48};
constexpr NumberedKeys kKeypadDigits{"Numpad", '0', '9', 96};

std::optional<std::int16_t> OneCharacterKey(std::string_view code, const NumberedKeys& keys) {
  if (code.size() != keys.prefix.size() + 1 || !code.starts_with(keys.prefix)) return std::nullopt;
  const char key = code.back();
  if (key < keys.first || key > keys.last) return std::nullopt;
  return static_cast<std::int16_t>(keys.firstVirtualKey + (key - keys.first));
}

// F1 to F24.
std::optional<std::int16_t> FunctionKey(std::string_view code) {
  if (code.size() < 2 || code.front() != 'F' || code[1] == '0') return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(code.data() + 1, code.data() + code.size(), number);
  if (error != std::errc{} || end != code.data() + code.size() || number < 1 || number > 24) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(111 + number);
}

}  // namespace

std::optional<std::int16_t> VirtualKeyOfCode(std::string_view code) {
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return key.virtualKey;
  }
  for (const NumberedKeys& keys : {kLetters, kDigits, kKeypadDigits}) {
    if (const std::optional<std::int16_t> key = OneCharacterKey(code, keys)) return key;
  }
  return FunctionKey(code);
}

bool RunActsOn(std::int16_t virtualKey) {
  using namespace engine;
  constexpr std::array kRunKeys{kKeyEnter, kKeyEscape,   kKeySpace,  kKeyHome, kKeyMultiply,
                                kKeyAdd,   kKeySubtract, kKeyDivide, kKeyF1};
  return std::find(kRunKeys.begin(), kRunKeys.end(), virtualKey) != kRunKeys.end();
}

}  // namespace quellar::web
