// The settings store's cases, run against the store of the build: SQLite natively, the system
// registry under Wine. Both must answer alike.

#include <gtest/gtest.h>

#include <fstream>

#include "registry/mod_registry.h"
#include "tests/registry/store_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;
using namespace std::string_view_literals;

class StoreCases : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(api.openHandles.empty()) << "a key handle left open"; }

  StoredValue Stored(const std::string& name) {
    return ReadStored(api, kHkeyLocalMachine, keyPath, name);
  }
  std::int32_t Read(const std::string& rootName, const std::string& letter, std::string& result) {
    return ReadValue(api, rootName, keyPath, "v", letter, "default", result);
  }

  StoreUnderTest store;
  RecordingStore api{*store.api};
  const std::string& title = store.title;
  const std::string& keyPath = store.keyPath;
};

TEST_F(StoreCases, FirstRunReadsEveryDefaultAndCreatesNothing) {
  for (const auto& [name, letter, defaultText] : {std::tuple{"SysFailScreen", "B", "0"},
                                                  {"MouseMove", "B", "0"},
                                                  {"speed", "B", "41"},
                                                  {"chain", "B", "28"},
                                                  {"randm", "S", "True"}}) {
    EXPECT_EQ(GetSetting(api, title, name, defaultText, letter), defaultText) << name;
  }
  std::string result;
  EXPECT_EQ(Read("HKLM", "S", result), kErrorFileNotFound);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
  // A value missing from a key that exists reads the default too.
  ASSERT_EQ(SaveSetting(api, title, "other", "1", "B"), kErrorSuccess);
  for (const char* letter : {"S", "B", "D"}) {
    EXPECT_EQ(Read("HKLM", letter, result), kErrorFileNotFound) << letter;
    EXPECT_EQ(result, "default") << letter;
  }
}

// Each write replaces the string "text" written before it, unless its text does not convert:
// then it writes nothing and still answers success (the key was created just before).
struct Write {
  const char* letter;
  const char* text;
  std::uint32_t type;
  std::string_view bytes;
  const char* readBack;
};

class Writes : public StoreCases, public testing::WithParamInterface<Write> {};

TEST_P(Writes, StoreTheLetterLayoutAndReadBack) {
  const Write& write = GetParam();
  ASSERT_EQ(SaveSetting(api, title, "v", "text", "S"), kErrorSuccess);
  EXPECT_EQ(SaveSetting(api, title, "v", write.text, write.letter), kErrorSuccess);
  const StoredValue stored = Stored("v");
  EXPECT_EQ(stored.type, write.type);
  EXPECT_EQ(stored.bytes, BytesOf(write.bytes));
  EXPECT_EQ(GetSetting(api, title, "v", "default", write.letter), write.readBack);
}

INSTANTIATE_TEST_SUITE_P(Letters, Writes,
                         testing::Values(Write{"S", "False", kRegSz, "False\0"sv, "False"},
                                         Write{"S", "", kRegSz, "\0"sv, ""},
                                         Write{"B", "251", kRegBinary, "\xFB"sv, "251"},
                                         Write{"B", "2.5", kRegBinary, "\x02"sv, "2"},
                                         Write{"b", "3.5", kRegBinary, "\x04"sv, "4"},
                                         Write{"D", "-1", kRegDword, "\xFF\xFF\xFF\xFF"sv, "-1"},
                                         Write{"D", "32767", kRegDword, "\xFF\x7F\0\0"sv, "32767"},
                                         Write{"d", "-32768", kRegDword, "\0\x80\xFF\xFF"sv,
                                               "-32768"},
                                         Write{"B", "261", kRegSz, "text\0"sv, "default"},
                                         Write{"B", "-1", kRegSz, "text\0"sv, "default"},
                                         Write{"B", "abc", kRegSz, "text\0"sv, "default"},
                                         Write{"D", "40000", kRegSz, "text\0"sv, "default"},
                                         Write{"D", "-32769", kRegSz, "text\0"sv, "default"},
                                         Write{"D", "0x10", kRegSz, "text\0"sv, "default"}));

// Data the settings store did not write: whatever fits the letter's buffer is read.
struct ForeignValue {
  std::uint32_t type;
  std::string_view bytes;
  const char* letter;
  std::int32_t status;
  std::string_view result;
};

class ForeignValues : public StoreCases, public testing::WithParamInterface<ForeignValue> {};

TEST_P(ForeignValues, ReadWhateverFitsTheLetterBuffer) {
  const ForeignValue& value = GetParam();
  ASSERT_EQ(WriteStored(api, kHkeyLocalMachine, keyPath, "v", value.type, BytesOf(value.bytes)),
            kErrorSuccess);
  std::string result;
  EXPECT_EQ(Read("HKLM", value.letter, result), value.status);
  EXPECT_EQ(result, value.result);
}

constexpr std::uint32_t kRegMultiSz = 7;

INSTANTIATE_TEST_SUITE_P(
    AnyTypeAnySize, ForeignValues,
    testing::Values(
        // Larger than the buffer: ERROR_MORE_DATA and the default.
        ForeignValue{kRegDword, "\x01\0\0\0"sv, "B", kErrorMoreData, "default"},
        ForeignValue{kRegBinary, "\x01\x02\x03\x04\x05"sv, "D", kErrorMoreData, "default"},
        // Smaller: taken, the missing high bytes read as 0.
        ForeignValue{kRegDword, "\x07"sv, "B", kErrorSuccess, "7"},
        ForeignValue{kRegSz, "\x09"sv, "b", kErrorSuccess, "9"},
        ForeignValue{kRegBinary, ""sv, "B", kErrorSuccess, "0"},
        ForeignValue{kRegBinary, "\x01\x02"sv, "D", kErrorSuccess, "513"},
        ForeignValue{kRegDword, "\0\0\x01\0"sv, "D", kErrorSuccess, "65536"},
        // Strings: the last byte is dropped as the terminator, whatever it is.
        ForeignValue{kRegBinary, "ab\0"sv, "S", kErrorSuccess, "ab"},
        ForeignValue{kRegSz, "abc"sv, "S", kErrorSuccess, "ab"},
        ForeignValue{kRegMultiSz, "a\0b\0\0"sv, "S", kErrorSuccess, "a\0b\0"sv},
        // No bytes at all, not even a terminator: the default, and success.
        ForeignValue{kRegSz, ""sv, "S", kErrorSuccess, "default"},
        // A letter outside the table reads nothing.
        ForeignValue{kRegDword, "\x01\0\0\0"sv, "X", kErrorSuccess, "default"}));

TEST_F(StoreCases, LetterOutsideTheTableCreatesTheKeyOnly) {
  EXPECT_EQ(WriteValue(api, "HKLM", keyPath, "v", "X", "1"), kErrorSuccess);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorSuccess);
  EXPECT_EQ(Stored("v").status, kErrorFileNotFound);
}

TEST_F(StoreCases, RootNamesIgnoreLetterCase) {
  ASSERT_EQ(WriteValue(api, "hklm", keyPath, "v", "S", "machine"), kErrorSuccess);
  ASSERT_EQ(WriteValue(api, "Hkcu", keyPath, "v", "S", "user"), kErrorSuccess);
  EXPECT_EQ(Stored("v").bytes, BytesOf("machine\0"sv));
  std::string result;
  EXPECT_EQ(Read("hkcu", "s", result), kErrorSuccess);
  EXPECT_EQ(result, "user");
}

// A name outside the root table answers 99 and touches nothing; one that matches an ordinary
// file (not a directory) answers 0 and touches nothing either.
TEST_F(StoreCases, RootNamesThatNameNoRootTouchNothing) {
  const auto expectUntouched = [this](const char* rootName, std::int32_t answer) {
    std::string result;
    EXPECT_EQ(WriteValue(api, rootName, keyPath, "v", "S", "x"), answer) << rootName;
    EXPECT_EQ(Read(rootName, "S", result), answer) << rootName;
    EXPECT_EQ(result, "default") << rootName;
  };
  for (const char* rootName : {"HKEY_LOCAL_MACHINE", "HKLM\\", "", "HKEY_*"}) {
    expectUntouched(rootName, 99);
  }
  const ScopedTempDir directory;
  std::ofstream(directory.path / "HKEY_LOCAL_MACHINE") << "x";
  fs::create_directory(directory.path / "HKEY_FOLDER");
  const fs::path previous = fs::current_path();
  fs::current_path(directory.path);
  for (const char* rootName : {"HKEY_LOCAL_MACHINE", "HKEY_L*", "*"}) expectUntouched(rootName, 0);
  expectUntouched("HKEY_FOLDER", 99);
  fs::current_path(previous);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
}

TEST_F(StoreCases, KeysAndValueNamesIgnoreLetterCase) {
  ASSERT_EQ(SaveSetting(api, title, "speed", "9", "B"), kErrorSuccess);
  ASSERT_EQ(SaveSetting(api, title, "SPEED", "10", "B"), kErrorSuccess);
  std::string upperPath = keyPath;
  for (char& c : upperPath) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(ReadStored(api, kHkeyLocalMachine, upperPath, "Speed").bytes, Bytes{10});
}

}  // namespace
}  // namespace quellar::test
