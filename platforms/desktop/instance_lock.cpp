#include "platforms/desktop/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quellar::desktop {

int OpenLockFile(const std::string& directory, const std::string& fileName) {
  const std::string path = directory + "/" + fileName;
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return -1;
  // In a shared directory another user could have put something else under the name.
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
    close(fd);
    return -1;
  }
  return fd;
}

int OpenUserLockFile(const std::string& name) {
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (runtimeDir != nullptr && runtimeDir[0] == '/')
    return OpenLockFile(runtimeDir, name + ".lock");
  return OpenLockFile("/tmp", name + "-" + std::to_string(geteuid()) + ".lock");
}

InstanceLock::InstanceLock(const std::string& directory, const std::string& fileName)
    : InstanceLock(OpenLockFile(directory, fileName)) {}

InstanceLock::InstanceLock(int fd) : fd_(fd) {
  if (fd_ < 0) return;  // without the file nobody can tell; the run is not refused
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
  return InstanceLock(OpenUserLockFile(exeName));
}

}  // namespace quellar::desktop
