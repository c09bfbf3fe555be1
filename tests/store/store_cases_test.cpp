// The settings store's cases, run against the store of the build: SQLite natively, the system
// registry under Wine, which must answer alike; and the virtual store over it.

#include <gtest/gtest.h>

#include "registry/mod_registry.h"
#include "registry/virtual_store.h"
#include "tests/store/store_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;
using namespace std::string_view_literals;

class StoreCases : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(api.openHandles.empty()) << "a key handle left open"; }
  std::int32_t Read(const std::string& root, const std::string& letter, std::string& result) {
    return ReadValue(api, root, keyPath, "v", letter, "default", result);
  }

  StoreUnderTest store;
  RecordingStore api{*store.api};
  const std::string& title = store.title;
  const std::string& keyPath = store.keyPath;
};

// Reads never create the key; a letter outside the table creates it and stores nothing.
TEST_F(StoreCases, FirstRunReadsTheDefaultsAndCreatesNothing) {
  EXPECT_EQ(GetSetting(api, title, "speed", "41", "B"), "41");
  EXPECT_EQ(GetSetting(api, title, "randm", "True", "S"), "True");
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
  EXPECT_EQ(WriteValue(api, "HKLM", keyPath, "v", "X", "1"), kErrorSuccess);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorSuccess);
  for (const char* letter : {"S", "B", "D"}) {
    std::string result;
    EXPECT_EQ(Read("HKLM", letter, result), kErrorFileNotFound) << letter;
    EXPECT_EQ(result, "default") << letter;
  }
}

// A value written with a letter (over the text "text", which a text that does not convert
// leaves as it was, answering success), or raw; what is stored then, and what a read answers.
struct Value {
  const char* letter;  // "" for a raw write of `bytes`
  const char* text;
  std::uint32_t type;
  std::string_view bytes;
  const char* readLetter;
  std::int32_t status;
  std::string_view result;
};

class Values : public StoreCases, public testing::WithParamInterface<Value> {};

TEST_P(Values, AreStoredInTheLetterLayoutAndReadWhateverFits) {
  const Value& v = GetParam();
  if (v.letter[0] == '\0') {
    ASSERT_EQ(WriteStored(api, kHkeyLocalMachine, keyPath, "v", v.type, BytesOf(v.bytes)), 0);
  } else {
    ASSERT_EQ(SaveSetting(api, title, "v", "text", "S"), kErrorSuccess);
    EXPECT_EQ(SaveSetting(api, title, "v", v.text, v.letter), kErrorSuccess);
  }
  const StoredValue stored = ReadStored(api, kHkeyLocalMachine, keyPath, "v");
  EXPECT_EQ(stored.type, v.type);
  EXPECT_EQ(stored.bytes, BytesOf(v.bytes));
  std::string result;
  EXPECT_EQ(Read("HKLM", v.readLetter, result), v.status);
  EXPECT_EQ(result, v.result);
}

constexpr std::uint32_t kRegMultiSz = 7;

INSTANTIATE_TEST_SUITE_P(
    Letters, Values,
    testing::Values(Value{"S", "False", kRegSz, "False\0"sv, "S", 0, "False"},
                    Value{"S", "", kRegSz, "\0"sv, "S", 0, ""},
                    Value{"B", "251", kRegBinary, "\xFB"sv, "B", 0, "251"},
                    Value{"b", "3.5", kRegBinary, "\x04"sv, "b", 0, "4"},
                    Value{"D", "-1", kRegDword, "\xFF\xFF\xFF\xFF"sv, "D", 0, "-1"},
                    Value{"d", "-32768", kRegDword, "\0\x80\xFF\xFF"sv, "d", 0, "-32768"},
                    // Out of range: nothing written.
                    Value{"B", "261", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"D", "40000", kRegSz, "text\0"sv, "S", 0, "text"},
                    // Larger than the letter's buffer: ERROR_MORE_DATA and the default.
                    Value{"", "", kRegDword, "\x01\0\0\0"sv, "B", kErrorMoreData, "default"},
                    Value{"", "", kRegBinary, "\x01\x02\x03\x04\x05"sv, "D", kErrorMoreData,
                          "default"},
                    // Smaller, of any type: taken, the missing high bytes read as 0.
                    Value{"", "", kRegDword, "\x07"sv, "B", 0, "7"},
                    Value{"", "", kRegSz, "\x09"sv, "b", 0, "9"},
                    Value{"", "", kRegBinary, ""sv, "B", 0, "0"},
                    Value{"", "", kRegBinary, "\x01\x02"sv, "D", 0, "513"},
                    Value{"", "", kRegDword, "\0\0\x01\0"sv, "D", 0, "65536"},
                    // Strings: the last byte is dropped as the terminator, whatever it is; no byte
                    // at all reads the default.
                    Value{"", "", kRegBinary, "ab\0"sv, "S", 0, "ab"},
                    Value{"", "", kRegSz, "abc"sv, "S", 0, "ab"},
                    Value{"", "", kRegMultiSz, "a\0b\0\0"sv, "S", 0, "a\0b\0"sv},
                    Value{"", "", kRegSz, ""sv, "S", 0, "default"},
                    Value{"", "", kRegDword, "\x01\0\0\0"sv, "X", 0, "default"}),
    [](const auto& param) {
      const Value& v = param.param;
      return std::string(*v.letter != '\0' ? v.letter : "Raw") + "Read" + v.readLetter + "_" +
             std::to_string(param.index);
    });

// The virtual store over the build's store, with machine keys refused to writers as Windows
// refuses them to a standard user.
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
TEST_F(VirtualStoreTest, MachineWritesLandInTheUserCopyWhenRefused) {
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "41");
  ASSERT_EQ(WriteStored(*store.api, kHkeyLocalMachine, keyPath, "chain", kRegBinary, {2}), 0);
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  EXPECT_EQ(SaveSetting(virtualStore, title, "speed", "50", "B"), kErrorSuccess);
  EXPECT_EQ(ReadStored(*store.api, kHkeyCurrentUser, copyPath, "speed").bytes, Bytes{50});
  EXPECT_EQ(ReadStored(*store.api, kHkeyLocalMachine, keyPath, "speed").status, 2);
  EXPECT_EQ(GetSetting(virtualStore, title, "speed", "41", "B"), "50");
  EXPECT_EQ(GetSetting(virtualStore, title, "chain", "28", "B"), "2");
  EXPECT_EQ(GetSetting(virtualStore, title, "randm", "True", "S"), "True");
  // Where the machine key may be written, nothing goes to the copy.
  VirtualStore writable(std::make_unique<RecordingStore>(*store.api));
  EXPECT_EQ(SaveSetting(writable, title, "randm", "False", "S"), kErrorSuccess);
  EXPECT_EQ(ReadStored(*store.api, kHkeyLocalMachine, keyPath, "randm").bytes,
            BytesOf({"False", 6}));
  EXPECT_EQ(ReadStored(*store.api, kHkeyCurrentUser, copyPath, "randm").status, kErrorFileNotFound);
}

}  // namespace
}  // namespace quellar::test
