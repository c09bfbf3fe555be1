#pragma once
// How many times the program has allocated: a benchmark linking allocation_count.cpp counts
// every malloc, calloc and realloc, its own and those of the libraries it calls (Xlib, xcb,
// SQLite) alike, and operator new with them, so a tick that allocates shows it. On Windows it
// counts operator new.

#include <cstdint>

namespace quellar::bench {

std::uint64_t Allocations();

}  // namespace quellar::bench
