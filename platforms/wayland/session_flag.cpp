#include "platforms/wayland/session_flag.h"

#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "platforms/desktop/instance_lock.h"

namespace quellar::wayland {
namespace {

// A socket given as a path names a file of its own too: its slashes become underscores.
std::string FlagName(std::string displayName) {
  std::ranges::replace(displayName, '/', '_');
  return "quellar-saver-" + displayName;
}

// Writes this process's id into the flag it holds, for --stop. A flag without it still stops a
// second run, so a write that fails is let be.
void WriteHolder(int held) {
  const std::string pid = std::to_string(getpid());
  if (ftruncate(held, 0) != 0) return;
  [[maybe_unused]] const ssize_t written = pwrite(held, pid.data(), pid.size(), 0);
}

}  // namespace

SessionFlag::SessionFlag(std::string displayName) : name_(FlagName(std::move(displayName))) {}

SessionFlag::~SessionFlag() {
  Set(false);
}

void SessionFlag::Set(bool running) {
  if (running == (held_ >= 0)) return;
  if (!running) {
    close(held_);
    held_ = -1;
    return;
  }
  held_ = desktop::OpenUserLockFile(name_);
  if (held_ >= 0 && flock(held_, LOCK_EX | LOCK_NB) != 0) {
    close(held_);
    held_ = -1;
  }
  if (held_ >= 0) WriteHolder(held_);
}

int SessionFlag::Holder() const {
  if (!IsSet()) return 0;
  const int fd = desktop::OpenUserLockFile(name_);
  if (fd < 0) return 0;
  std::array<char, 16> text{};
  const ssize_t length = pread(fd, text.data(), text.size() - 1, 0);
  close(fd);
  int pid = 0;
  if (length <= 0) return 0;
  std::from_chars(text.data(), text.data() + length, pid);
  return pid > 1 ? pid : 0;
}

bool SessionFlag::IsSet() const {
  if (held_ >= 0) return true;
  const int fd = desktop::OpenUserLockFile(name_);
  if (fd < 0) return false;
  const bool taken = flock(fd, LOCK_SH | LOCK_NB) != 0;
  close(fd);
  return taken;
}

}  // namespace quellar::wayland
