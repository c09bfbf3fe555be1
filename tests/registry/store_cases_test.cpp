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
  std::int32_t Read(const std::string& root, const std::string& letter, std::string& result) {
    return ReadValue(api, root, keyPath, "v", letter, "default", result);
  }

  StoreUnderTest store;
  RecordingStore api{*store.api};
  const std::string& title = store.title;
  const std::string& keyPath = store.keyPath;
};

// A letter outside the table creates the key and stores nothing; reads never create it.
TEST_F(StoreCases, FirstRunReadsTheDefaultsAndCreatesNothing) {
  for (const auto& [name, letter, defaultText] : {std::tuple{"SysFailScreen", "B", "0"},
                                                  {"MouseMove", "B", "0"},
                                                  {"speed", "B", "41"},
                                                  {"chain", "B", "28"},
                                                  {"randm", "S", "True"}}) {
    EXPECT_EQ(GetSetting(api, title, name, defaultText, letter), defaultText) << name;
  }
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
                    Value{"B", "2.5", kRegBinary, "\x02"sv, "B", 0, "2"},
                    Value{"b", "3.5", kRegBinary, "\x04"sv, "b", 0, "4"},
                    Value{"D", "-1", kRegDword, "\xFF\xFF\xFF\xFF"sv, "D", 0, "-1"},
                    Value{"D", "32767", kRegDword, "\xFF\x7F\0\0"sv, "D", 0, "32767"},
                    Value{"d", "-32768", kRegDword, "\0\x80\xFF\xFF"sv, "d", 0, "-32768"},
                    // Out of range or no number: nothing written.
                    Value{"B", "261", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"B", "-1", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"B", "abc", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"D", "40000", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"D", "-32769", kRegSz, "text\0"sv, "S", 0, "text"},
                    Value{"D", "0x10", kRegSz, "text\0"sv, "S", 0, "text"},
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
                    Value{"", "", kRegDword, "\x01\0\0\0"sv, "X", 0, "default"}));

TEST_F(StoreCases, RootKeyAndValueNamesIgnoreLetterCase) {
  ASSERT_EQ(WriteValue(api, "hklm", keyPath, "v", "S", "machine"), kErrorSuccess);
  ASSERT_EQ(WriteValue(api, "Hkcu", keyPath, "V", "S", "user"), kErrorSuccess);
  std::string upperPath = keyPath;
  for (char& c : upperPath) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(ReadStored(api, kHkeyLocalMachine, upperPath, "V").bytes, BytesOf("machine\0"sv));
  std::string result;
  EXPECT_EQ(Read("hkcu", "s", result), kErrorSuccess);
  EXPECT_EQ(result, "user");
}

// A name outside the root table answers 99 and touches nothing; one that matches an ordinary
// file (not a directory) answers 0 and touches nothing either.
TEST_F(StoreCases, RootNamesThatNameNoRootTouchNothing) {
  const ScopedTempDir directory;
  std::ofstream(directory.path / "HKEY_LOCAL_MACHINE") << "x";
  fs::create_directory(directory.path / "HKEY_FOLDER");
  const fs::path previous = fs::current_path();
  for (const auto& [root, inDirectory, answer] : {std::tuple{"HKEY_LOCAL_MACHINE", false, 99},
                                                  {"HKLM\\", false, 99},
                                                  {"", false, 99},
                                                  {"HKEY_*", false, 99},
                                                  {"HKEY_FOLDER", true, 99},
                                                  {"HKEY_LOCAL_MACHINE", true, 0},
                                                  {"HKEY_L*", true, 0},
                                                  {"*", true, 0}}) {
    fs::current_path(inDirectory ? directory.path : previous);
    std::string result;
    EXPECT_EQ(WriteValue(api, root, keyPath, "v", "S", "x"), answer) << root;
    EXPECT_EQ(Read(root, "S", result), answer) << root;
    EXPECT_EQ(result, "default") << root;
  }
  fs::current_path(previous);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
}

}  // namespace
}  // namespace quellar::test
