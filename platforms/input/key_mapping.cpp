#include "platforms/input/key_mapping.h"

#include <X11/keysym.h>

namespace quellar::input {
namespace {

struct KeyCode {
  std::uint32_t keysym;
  std::int16_t virtualKey;
};

// Named keys. Letters, digits and function keys follow from their ranges below.
constexpr KeyCode kNamedKeys[] = {
    {XK_BackSpace, 8},    {XK_Tab, 9},           {XK_Return, 13},  {XK_KP_Enter, 13},
    {XK_Escape, 27},      {XK_space, 32},        {XK_Prior, 33},   {XK_Next, 34},
    {XK_End, 35},         {XK_Home, 36},         {XK_KP_Home, 36}, {XK_Left, 37},
    {XK_Up, 38},          {XK_Right, 39},        {XK_Down, 40},    {XK_Insert, 45},
    {XK_Delete, 46},      {XK_KP_Multiply, 106}, {XK_KP_Add, 107}, {XK_KP_Subtract, 109},
    {XK_KP_Decimal, 110}, {XK_KP_Divide, 111},
};

struct KeyRange {
  std::uint32_t first;
  std::uint32_t last;
  std::int16_t firstVirtualKey;
};

constexpr KeyRange kKeyRanges[] = {
    {XK_0, XK_9, 48},       {XK_A, XK_Z, 65},     {XK_a, XK_z, 65},
    {XK_KP_0, XK_KP_9, 96}, {XK_F1, XK_F24, 112},
};

}  // namespace

std::optional<std::int16_t> VirtualKeyOf(std::uint32_t keysym) {
  for (const KeyCode& key : kNamedKeys) {
    if (key.keysym == keysym) return key.virtualKey;
  }
  for (const KeyRange& range : kKeyRanges) {
    if (keysym >= range.first && keysym <= range.last) {
      const auto offset = static_cast<std::int16_t>(keysym - range.first);
      return static_cast<std::int16_t>(range.firstVirtualKey + offset);
    }
  }
  return std::nullopt;
}

}  // namespace quellar::input
