#pragma once
// How much memory the process holds: what a long run watches for growth.

#include <cstdint>
#include <optional>

namespace quellar::render {

// The resident set size of this process in kilobytes; nothing where the system does not say.
std::optional<std::int64_t> ResidentKilobytes();

}  // namespace quellar::render
