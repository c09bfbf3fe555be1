#pragma once
// Keys in Windows' terms, as frmMain's handlers expect them. Keys arrive as keysyms: X11 and
// xkbcommon give a key the same keysym value.

#include <cstdint>
#include <optional>

namespace quellar::input {

// The virtual-key code of a keysym, or nothing for a key the program has no use for.
std::optional<std::int16_t> VirtualKeyOf(std::uint32_t keysym);

}  // namespace quellar::input
