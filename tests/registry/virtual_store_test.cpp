// The virtual store over the build's store, with machine keys refused to writers as Windows
// refuses them to a standard user.

#include "registry/virtual_store.h"

#include <gtest/gtest.h>

#include "registry/mod_registry.h"
#include "tests/registry/store_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;

class VirtualStoreTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(behind->openHandles.empty()) << "a handle left open"; }

  StoreUnderTest store;
  std::unique_ptr<RecordingStore> refusing = std::make_unique<RecordingStore>(*store.api, true);
  RecordingStore* behind = refusing.get();
  VirtualStore virtualStore{std::move(refusing)};
  const std::string& title = store.title;
  const std::string& keyPath = store.keyPath;
  const std::string copyPath = "Software\\Classes\\VirtualStore\\MACHINE\\" + keyPath;
};

// Reads see the user's copy first, value by value, then the machine key.
TEST_F(VirtualStoreTest, RefusedMachineWritesLandInTheUserCopy) {
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "41");
  ASSERT_EQ(WriteStored(*store.api, kHkeyLocalMachine, keyPath, "chain", kRegBinary, {2}), 0);
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  EXPECT_EQ(SaveSetting(virtualStore, title, "speed", "50", "B"), kErrorSuccess);
  EXPECT_EQ(ReadStored(*store.api, kHkeyCurrentUser, copyPath, "speed").bytes, Bytes{50});
  EXPECT_EQ(ReadStored(*store.api, kHkeyLocalMachine, keyPath, "speed").status, 2);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "50");
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  EXPECT_EQ(GetSetting(virtualStore, title, "randm", "True", "S"), "True");
}

TEST_F(VirtualStoreTest, WritableMachineKeysNeedNoCopy) {
  VirtualStore writable(std::make_unique<RecordingStore>(*store.api));
  EXPECT_EQ(SaveSetting(writable, title, "randm", "False", "S"), kErrorSuccess);
  EXPECT_EQ(ReadStored(*store.api, kHkeyLocalMachine, keyPath, "randm").bytes,
            BytesOf({"False", 6}));
  EXPECT_EQ(KeyStatus(*store.api, kHkeyCurrentUser, copyPath), kErrorFileNotFound);
}

}  // namespace
}  // namespace quellar::test
