#include "bench/allocation_count.h"

#include <atomic>
#include <cstddef>

// glibc's own allocator, under the names it exports for programs that wrap it.
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* memory, std::size_t size) noexcept;
}

namespace {

std::atomic<std::uint64_t> allocations{0};

void Count() {
  allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

std::uint64_t quellar::bench::Allocations() {
  return allocations.load(std::memory_order_relaxed);
}

// Defined in the program, these take the place of the C library's for every library it loads
// (Xlib and xcb included), and operator new calls them too; free stays the C library's.
extern "C" void* malloc(std::size_t size) noexcept {
  Count();
  return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  Count();
  return __libc_calloc(count, size);
}

extern "C" void* realloc(void* memory, std::size_t size) noexcept {
  Count();
  return __libc_realloc(memory, size);
}
