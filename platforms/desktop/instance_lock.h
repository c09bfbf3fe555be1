#pragma once
// The previous-instance flag. Every instance of the executable holds a shared lock on one file
// per user for its whole life; a newcomer that can take the lock exclusively for a moment is
// the only one.

#include <string>

namespace quellar::desktop {

// The file `fileName` in `directory`, opened for locking; -1 when it cannot be, or when something
// else than a file of the user's own lies there under its name.
int OpenLockFile(const std::string& directory, const std::string& fileName);
// The lock file `name` of the current user: in $XDG_RUNTIME_DIR, private to the user, else in
// /tmp with the user's id in its name.
int OpenUserLockFile(const std::string& name);

class InstanceLock {
 public:
  // `directory` is where the file lives ($XDG_RUNTIME_DIR, private to the user); `fileName`
  // names it for this executable and user.
  InstanceLock(const std::string& directory, const std::string& fileName);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  bool OtherInstance() const { return otherInstance_; }

  // The lock of the executable named `exeName` for the current user.
  static InstanceLock ForExecutable(const std::string& exeName);
  // No lock at all, for a program that no other instance need know of: it sees none either.
  static InstanceLock NotTaken() { return InstanceLock(); }

 private:
  InstanceLock() = default;
  explicit InstanceLock(int fd);

  int fd_ = -1;
  bool otherInstance_ = false;
};

}  // namespace quellar::desktop
