// The page's keys: KeyboardEvent codes to virtual-key codes, and which of them the page keeps
// from the browser.

#include "platforms/web/key_codes.h"

#include <gtest/gtest.h>

namespace quellar::web {
namespace {

struct KeyCase {
  const char* code;
  std::optional<std::int16_t> virtualKey;
  bool runActs;
};

class KeyCodes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, MapToWindowsKeys) {
  const KeyCase& key = GetParam();
  EXPECT_EQ(VirtualKeyOfCode(key.code), key.virtualKey) << key.code;
  EXPECT_EQ(key.virtualKey && RunActsOn(*key.virtualKey), key.runActs) << key.code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, KeyCodes,
    testing::Values(KeyCase{"NumpadAdd", 107, true}, KeyCase{"NumpadSubtract", 109, true},
                    KeyCase{"NumpadMultiply", 106, true}, KeyCase{"NumpadDivide", 111, true},
                    KeyCase{"Enter", 13, true}, KeyCase{"NumpadEnter", 13, true},
                    KeyCase{"Home", 36, true}, KeyCase{"Space", 32, true},
                    KeyCase{"Escape", 27, true}, KeyCase{"F1", 112, true},
                    // Keys the run ignores keep their browser defaults.
                    KeyCase{"F5", 116, false}, KeyCase{"F24", 135, false},
                    KeyCase{"KeyA", 65, false}, KeyCase{"KeyZ", 90, false},
                    KeyCase{"Digit0", 48, false}, KeyCase{"Numpad9", 105, false},
                    KeyCase{"Equal", std::nullopt, false}, KeyCase{"F25", std::nullopt, false},
                    KeyCase{"F0", std::nullopt, false}, KeyCase{"F01", std::nullopt, false},
                    KeyCase{"Keya", std::nullopt, false}, KeyCase{"KeyAB", std::nullopt, false},
                    KeyCase{"Numpad", std::nullopt, false}, KeyCase{"", std::nullopt, false}));

}  // namespace
}  // namespace quellar::web
