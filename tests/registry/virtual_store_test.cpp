// The virtual store over the build's store, with machine keys refused to writers as Windows
// refuses them to a standard user.

#include "registry/virtual_store.h"

#include <gtest/gtest.h>

#include "registry/mod_registry.h"
#include "tests/registry/store_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;
using namespace std::string_view_literals;

class VirtualStoreTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(behind->openHandles.empty()) << "a handle left open"; }
  std::int32_t MachineWrite(const char* name, std::uint8_t byte) {
    return WriteStored(*store.api, kHkeyLocalMachine, keyPath, name, kRegBinary, {byte});
  }

  StoreUnderTest store;
  std::unique_ptr<RecordingStore> refusing = std::make_unique<RecordingStore>(*store.api, true);
  RecordingStore* behind = refusing.get();
  VirtualStore virtualStore{std::move(refusing)};
  const std::string& title = store.title;
  const std::string& keyPath = store.keyPath;
  const std::string copyPath = "Software\\Classes\\VirtualStore\\MACHINE\\" + keyPath;
};

TEST_F(VirtualStoreTest, RefusedMachineWriteLandsInTheUserCopy) {
  EXPECT_EQ(SaveSetting(virtualStore, title, "speed", "50", "B"), kErrorSuccess);
  const StoredValue copied = ReadStored(*store.api, kHkeyCurrentUser, copyPath, "speed");
  EXPECT_EQ(copied.type, kRegBinary);
  EXPECT_EQ(copied.bytes, Bytes{50});
  EXPECT_EQ(KeyStatus(*store.api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "50");
}

TEST_F(VirtualStoreTest, ReadsSeeTheUserCopyFirstValueByValueThenTheMachineKey) {
  std::string result;
  EXPECT_EQ(ReadValue(virtualStore, "HKLM", keyPath, "speed", "B", "41", result),
            kErrorFileNotFound);
  ASSERT_EQ(MachineWrite("speed", 1), kErrorSuccess);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "1");
  ASSERT_EQ(MachineWrite("chain", 2), kErrorSuccess);
  ASSERT_EQ(SaveSetting(virtualStore, title, "speed", "9", "B"), kErrorSuccess);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "9");
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  EXPECT_EQ(ReadValue(virtualStore, "HKLM", keyPath, "randm", "S", "True", result),
            kErrorFileNotFound);
  EXPECT_EQ(result, "True");
}

TEST_F(VirtualStoreTest, WritableMachineKeysNeedNoCopy) {
  VirtualStore writable(std::make_unique<RecordingStore>(*store.api));
  EXPECT_EQ(SaveSetting(writable, title, "randm", "False", "S"), kErrorSuccess);
  EXPECT_EQ(ReadStored(*store.api, kHkeyLocalMachine, keyPath, "randm").bytes,
            BytesOf("False\0"sv));
  EXPECT_EQ(KeyStatus(*store.api, kHkeyCurrentUser, copyPath), kErrorFileNotFound);
}

}  // namespace
}  // namespace quellar::test
