#pragma once
// The Windows virtual-key codes the run reacts to; every platform delivers keys in these terms.

#include <cstdint>

namespace quellar::engine {

inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeySpace = 32;
inline constexpr std::int16_t kKeyHome = 36;
inline constexpr std::int16_t kKeyMultiply = 106;  // numeric keypad *
inline constexpr std::int16_t kKeyAdd = 107;       // numeric keypad +
inline constexpr std::int16_t kKeySubtract = 109;  // numeric keypad -
inline constexpr std::int16_t kKeyDivide = 111;    // numeric keypad /
inline constexpr std::int16_t kKeyF1 = 112;

}  // namespace quellar::engine
