// The virtual store over the build's store, with machine keys refused to writers as Windows
// refuses them to a standard user.

#include "registry/virtual_store.h"

#include <gtest/gtest.h>

#include <string_view>

#include "registry/mod_registry.h"
#include "tests/registry/raw_access.h"
#include "tests/registry/store_under_test.h"
#include "tests/registry/tracking_store.h"

namespace quellar::test {
namespace {

using namespace registry;
using namespace modRegistry;
using namespace std::string_view_literals;

class VirtualStoreTest : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(behind->OpenHandles().empty()) << "a key handle was left open";
  }

  StoreUnderTest store;
  std::unique_ptr<TrackingStore> refusing =
      std::make_unique<TrackingStore>(store.Api(), TrackingStore::MachineKeys::kRefusedToWriters);
  TrackingStore* behind = refusing.get();
  VirtualStore virtualStore{std::move(refusing)};
  const std::string title = store.AppTitle();
  const std::string keyPath = store.KeyPath();
  const std::string copyPath = "Software\\Classes\\VirtualStore\\MACHINE\\" + keyPath;
};

TEST_F(VirtualStoreTest, RefusedMachineWriteLandsInTheUserCopy) {
  EXPECT_EQ(SaveSetting(virtualStore, title, "speed", "50", "B"), kErrorSuccess);
  const StoredValue copied = ReadStored(store.Api(), kHkeyCurrentUser, copyPath, "speed");
  EXPECT_EQ(copied.type, kRegBinary);
  EXPECT_EQ(copied.bytes, Bytes{50});
  EXPECT_EQ(KeyStatus(store.Api(), kHkeyLocalMachine, keyPath), kErrorFileNotFound);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "50");
}

TEST_F(VirtualStoreTest, ReadsSeeTheUserCopyFirstValueByValue) {
  ASSERT_EQ(WriteStored(store.Api(), kHkeyLocalMachine, keyPath, "speed", kRegBinary, {1}),
            kErrorSuccess);
  ASSERT_EQ(WriteStored(store.Api(), kHkeyLocalMachine, keyPath, "chain", kRegBinary, {2}),
            kErrorSuccess);
  ASSERT_EQ(SaveSetting(virtualStore, title, "speed", "9", "B"), kErrorSuccess);

  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "9");
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  std::string result;
  EXPECT_EQ(ReadValue(virtualStore, "HKLM", keyPath, "randm", "S", "True", result),
            kErrorFileNotFound);
  EXPECT_EQ(result, "True");
}

TEST_F(VirtualStoreTest, ReadsFindMachineKeysWithoutUserCopy) {
  std::string result;
  EXPECT_EQ(ReadValue(virtualStore, "HKLM", keyPath, "speed", "B", "41", result),
            kErrorFileNotFound);
  ASSERT_EQ(WriteStored(store.Api(), kHkeyLocalMachine, keyPath, "speed", kRegBinary, {1}),
            kErrorSuccess);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "1");
}

TEST_F(VirtualStoreTest, WritableMachineKeysNeedNoCopy) {
  VirtualStore writable(std::make_unique<TrackingStore>(store.Api()));
  EXPECT_EQ(SaveSetting(writable, title, "randm", "False", "S"), kErrorSuccess);
  EXPECT_EQ(ReadStored(store.Api(), kHkeyLocalMachine, keyPath, "randm").bytes,
            BytesOf("False\0"sv));
  EXPECT_EQ(KeyStatus(store.Api(), kHkeyCurrentUser, copyPath), kErrorFileNotFound);
}

}  // namespace
}  // namespace quellar::test
