#include "bench/allocation_count.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#ifndef _WIN32
// glibc's own allocator, under the names it exports for programs that wrap it.
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* memory, std::size_t size) noexcept;
}
#endif

namespace {

std::atomic<std::uint64_t> allocations{0};

void Count() {
  allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

std::uint64_t quellar::bench::Allocations() {
  return allocations.load(std::memory_order_relaxed);
}

#ifdef _WIN32
// The Windows C library's allocator cannot be replaced from a program: operator new, through
// which all the program's own allocations go, is counted instead.
void* operator new(std::size_t size) {
  Count();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
  std::free(memory);
}
#else
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
#endif
