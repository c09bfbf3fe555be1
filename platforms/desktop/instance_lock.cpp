#include "platforms/desktop/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quellar::desktop {

InstanceLock::InstanceLock(const std::string& directory, const std::string& fileName) {
  const std::string path = directory + "/" + fileName;
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;  // without the file nobody can tell; the run is not refused
  // In a shared directory another user could have put something else under the name.
  struct stat info {};
  if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
    close(fd_);
    fd_ = -1;
    return;
  }
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    flock(fd_, LOCK_SH);
  } else {
    otherInstance_ = errno == EWOULDBLOCK;
    flock(fd_, LOCK_SH | LOCK_NB);
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

InstanceLock InstanceLock::ForExecutable(const std::string& exeName) {
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (runtimeDir != nullptr && runtimeDir[0] == '/') {
    return InstanceLock(runtimeDir, exeName + ".lock");
  }
  return InstanceLock("/tmp", exeName + "-" + std::to_string(geteuid()) + ".lock");
}

}  // namespace quellar::desktop
