// The previous-instance flag: every instance holds the lock; only a newcomer that is alone may
// say there is none.

#include "platforms/desktop/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

namespace quellar::desktop {
namespace {

namespace fs = std::filesystem;

TEST(InstanceLockTest, OthersAreSeenWhileTheyLiveUnderTheSameNameAndLinksAreNotFollowed) {
  const fs::path directory =
      fs::temp_directory_path() / ("quellar-lock-" + std::to_string(getpid()));
  fs::create_directories(directory);
  const auto otherInstance = [&](const char* name) {
    return InstanceLock(directory.string(), name).OtherInstance();
  };
  std::optional<InstanceLock> first;
  first.emplace(directory.string(), "quellar.lock");
  EXPECT_FALSE(first->OtherInstance());
  EXPECT_TRUE(otherInstance("quellar.lock"));
  EXPECT_FALSE(otherInstance("other.lock"));
  first.reset();
  EXPECT_FALSE(otherInstance("quellar.lock"));
  // A planted link must not make the program create or lock a file elsewhere.
  fs::create_symlink(directory / "target", directory / "linked.lock");
  EXPECT_FALSE(otherInstance("linked.lock"));
  EXPECT_FALSE(fs::exists(directory / "target"));
  fs::remove_all(directory);
}

}  // namespace
}  // namespace quellar::desktop
