// The previous-instance flag: every instance holds the lock; only a newcomer that is alone may
// say there is none.

#include "windows/x11/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quellar::x11 {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("quellar-lock-test-" + std::to_string(getpid()));
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }
  std::string Directory() const { return directory_.string(); }

 private:
  fs::path directory_;
};

TEST_F(InstanceLockTest, EveryInstanceAfterTheFirstSeesAnother) {
  const InstanceLock first(Directory(), "quellar.lock");
  EXPECT_FALSE(first.OtherInstance());
  const InstanceLock second(Directory(), "quellar.lock");
  EXPECT_TRUE(second.OtherInstance());
  const InstanceLock third(Directory(), "quellar.lock");
  EXPECT_TRUE(third.OtherInstance());
}

TEST_F(InstanceLockTest, TheFlagGoesWhenTheOthersEnd) {
  { const InstanceLock earlier(Directory(), "quellar.lock"); }
  EXPECT_FALSE(InstanceLock(Directory(), "quellar.lock").OtherInstance());
}

TEST_F(InstanceLockTest, ExecutablesHaveTheirOwnLocks) {
  const InstanceLock saver(Directory(), "quellar.lock");
  EXPECT_FALSE(InstanceLock(Directory(), "other.lock").OtherInstance());
}

// A planted link must not make the program create or lock a file elsewhere.
TEST_F(InstanceLockTest, ALinkInPlaceOfTheFileIsNotFollowed) {
  const fs::path target = fs::path(Directory()) / "target";
  fs::create_symlink(target, fs::path(Directory()) / "quellar.lock");
  const InstanceLock lock(Directory(), "quellar.lock");
  EXPECT_FALSE(lock.OtherInstance());
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace quellar::x11
