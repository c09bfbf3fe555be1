// The previous-instance flag: every instance holds the lock; only a newcomer that is alone may
// say there is none.

#include "windows/x11/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

namespace quellar::x11 {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public testing::Test {
 protected:
  InstanceLockTest() { fs::create_directories(directory_); }
  ~InstanceLockTest() override { fs::remove_all(directory_); }
  bool OtherInstance(const char* name) const {
    return InstanceLock(directory_.string(), name).OtherInstance();
  }

  const fs::path directory_ =
      fs::temp_directory_path() / ("quellar-lock-test-" + std::to_string(getpid()));
};

TEST_F(InstanceLockTest, OthersAreSeenWhileTheyLiveAndOnlyUnderTheSameName) {
  std::optional<InstanceLock> first;
  first.emplace(directory_.string(), "quellar.lock");
  EXPECT_FALSE(first->OtherInstance());
  EXPECT_TRUE(OtherInstance("quellar.lock"));
  EXPECT_FALSE(OtherInstance("other.lock"));
  first.reset();
  EXPECT_FALSE(OtherInstance("quellar.lock"));
}

// A planted link must not make the program create or lock a file elsewhere.
TEST_F(InstanceLockTest, ALinkInPlaceOfTheFileIsNotFollowed) {
  fs::create_symlink(directory_ / "target", directory_ / "quellar.lock");
  EXPECT_FALSE(OtherInstance("quellar.lock"));
  EXPECT_FALSE(fs::exists(directory_ / "target"));
}

}  // namespace
}  // namespace quellar::x11
