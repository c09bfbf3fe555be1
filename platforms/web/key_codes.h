#pragma once
// Keys in Windows' terms, from the page's keyboard events. A key is read by where it is on the
// keyboard (KeyboardEvent.code), so the keypad's + is the keypad's whatever the layout says.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quellar::web {

// The virtual-key code of a KeyboardEvent.code, or nothing for a key the program has no use for.
std::optional<std::int16_t> VirtualKeyOfCode(std::string_view code);

// The keys a run acts on. Only their browser defaults (help for F1, scrolling for Space and
// Home...) are taken from the page; every other key keeps its own (reload, find, full screen).
bool RunActsOn(std::int16_t virtualKey);

}  // namespace quellar::web
