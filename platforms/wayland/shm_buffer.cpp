#include "platforms/wayland/shm_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "engine/runtime_error.h"

namespace quellar::wayland {
namespace {

// Closes the descriptor however the constructor ends: the pool keeps the memory.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

[[noreturn]] void Fail(const char* what) {
  throw RuntimeError(std::string("cannot make a frame buffer: ") + what + ": " +
                     std::strerror(errno));
}

}  // namespace

ShmBuffer::ShmBuffer(wl_shm* shm, std::int32_t width, std::int32_t height)
    : width_(width), height_(height) {
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const std::size_t bytes = count * sizeof(softgdi::Pixel);
  const Descriptor memory{memfd_create("quellar-frame", MFD_CLOEXEC)};
  if (memory.fd < 0) Fail("memfd_create");
  if (ftruncate(memory.fd, static_cast<off_t>(bytes)) != 0) Fail("ftruncate");
  void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, memory.fd, 0);
  if (mapped == MAP_FAILED) Fail("mmap");
  pixels_ = {static_cast<softgdi::Pixel*>(mapped), count};
  wl_shm_pool* pool = wl_shm_create_pool(shm, memory.fd, static_cast<std::int32_t>(bytes));
  buffer_.reset(wl_shm_pool_create_buffer(pool, 0, width, height,
                                          width * static_cast<std::int32_t>(sizeof(softgdi::Pixel)),
                                          WL_SHM_FORMAT_XRGB8888));
  wl_shm_pool_destroy(pool);
  static const wl_buffer_listener listener{&ShmBuffer::OnRelease};
  wl_buffer_add_listener(buffer_.get(), &listener, this);
}

ShmBuffer::~ShmBuffer() {
  buffer_.reset();
  munmap(pixels_.data(), pixels_.size_bytes());
}

void ShmBuffer::OnRelease(void* data, wl_buffer* /*buffer*/) {
  static_cast<ShmBuffer*>(data)->held_ = false;
}

}  // namespace quellar::wayland
