#pragma once
// How many times the program has allocated with operator new: a benchmark linking
// allocation_count.cpp counts every allocation, so a tick that allocates shows it.

#include <cstdint>

namespace quellar::bench {

std::uint64_t Allocations();

}  // namespace quellar::bench
