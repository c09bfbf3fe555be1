// The settings store's cases, run against the store of the build: SQLite natively, the system
// registry under Wine. Both must answer alike.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>
#include <string_view>

#include "registry/mod_registry.h"
#include "tests/registry/raw_access.h"
#include "tests/registry/scoped_paths.h"
#include "tests/registry/store_under_test.h"
#include "tests/registry/tracking_store.h"

namespace quellar::test {
namespace {

using namespace registry;
using namespace modRegistry;
using namespace std::string_view_literals;

class StoreCases : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(api.OpenHandles().empty()) << "a key handle was left open";
  }

  StoredValue Stored(const std::string& name) {
    return ReadStored(api, kHkeyLocalMachine, keyPath, name);
  }
  std::int32_t Read(const std::string& rootName, const std::string& letter, std::string& result) {
    return ReadValue(api, rootName, keyPath, "v", letter, "default", result);
  }

  StoreUnderTest store;
  TrackingStore api{store.Api()};
  const std::string title = store.AppTitle();
  const std::string keyPath = store.KeyPath();
};

// --- Defaults ------------------------------------------------------------------------------

struct Setting {
  const char* name;
  const char* letter;
  const char* defaultText;
};

constexpr Setting kSettings[] = {
    {"SysFailScreen", "B", "0"}, {"MouseMove", "B", "0"}, {"speed", "B", "41"},
    {"chain", "B", "28"},        {"randm", "S", "True"},
};

TEST_F(StoreCases, FirstRunReadsEveryDefaultAndCreatesNothing) {
  for (const Setting& setting : kSettings) {
    EXPECT_EQ(GetSetting(api, title, setting.name, setting.defaultText, setting.letter),
              setting.defaultText)
        << setting.name;
  }
  std::string result;
  EXPECT_EQ(Read("HKLM", "S", result), kErrorFileNotFound);
  EXPECT_EQ(result, "default");
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
}

TEST_F(StoreCases, MissingValueOfAnExistingKeyReadsTheDefault) {
  ASSERT_EQ(SaveSetting(api, title, "other", "1", "B"), kErrorSuccess);
  for (const char* letter : {"S", "B", "D"}) {
    std::string result;
    EXPECT_EQ(Read("HKLM", letter, result), kErrorFileNotFound) << letter;
    EXPECT_EQ(result, "default") << letter;
  }
}

// --- Writes and their stored form ----------------------------------------------------------

struct WrittenValue {
  const char* letter;
  const char* text;
  std::uint32_t type;
  std::string_view bytes;
  const char* readBack;
};

class WrittenValues : public StoreCases, public testing::WithParamInterface<WrittenValue> {};

TEST_P(WrittenValues, AreStoredInTheLetterLayoutAndReadBack) {
  const WrittenValue& value = GetParam();
  ASSERT_EQ(SaveSetting(api, title, "v", value.text, value.letter), kErrorSuccess);
  const StoredValue stored = Stored("v");
  EXPECT_EQ(stored.status, kErrorSuccess);
  EXPECT_EQ(stored.type, value.type);
  EXPECT_EQ(stored.bytes, BytesOf(value.bytes));
  EXPECT_EQ(GetSetting(api, title, "v", "default", value.letter), value.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, WrittenValues,
    testing::Values(WrittenValue{"S", "False", kRegSz, "False\0"sv, "False"},
                    WrittenValue{"S", "True", kRegSz, "True\0"sv, "True"},
                    WrittenValue{"S", "", kRegSz, "\0"sv, ""},
                    WrittenValue{"B", "251", kRegBinary, "\xFB"sv, "251"},
                    WrittenValue{"B", "2.5", kRegBinary, "\x02"sv, "2"},
                    WrittenValue{"b", "3.5", kRegBinary, "\x04"sv, "4"},
                    WrittenValue{"D", "-1", kRegDword, "\xFF\xFF\xFF\xFF"sv, "-1"},
                    WrittenValue{"D", "32767", kRegDword, "\xFF\x7F\0\0"sv, "32767"},
                    WrittenValue{"d", "-32768", kRegDword, "\0\x80\xFF\xFF"sv, "-32768"}));

TEST_F(StoreCases, OverwriteReplacesTypeAndData) {
  ASSERT_EQ(SaveSetting(api, title, "v", "text", "S"), kErrorSuccess);
  ASSERT_EQ(SaveSetting(api, title, "v", "9", "B"), kErrorSuccess);
  const StoredValue stored = Stored("v");
  EXPECT_EQ(stored.type, kRegBinary);
  EXPECT_EQ(stored.bytes, Bytes{9});
}

// --- Writes that do not convert ------------------------------------------------------------

struct RejectedWrite {
  const char* letter;
  const char* text;
};

class RejectedWrites : public StoreCases, public testing::WithParamInterface<RejectedWrite> {};

TEST_P(RejectedWrites, StoreNothingAndKeepTheOldValue) {
  const RejectedWrite& write = GetParam();
  ASSERT_EQ(SaveSetting(api, title, "v", "7", write.letter), kErrorSuccess);
  const StoredValue before = Stored("v");

  // The key was created just before the conversion failed: the write answers success.
  EXPECT_EQ(SaveSetting(api, title, "v", write.text, write.letter), kErrorSuccess);
  const StoredValue after = Stored("v");
  EXPECT_EQ(after.type, before.type);
  EXPECT_EQ(after.bytes, before.bytes);
}

INSTANTIATE_TEST_SUITE_P(OutOfRangeOrNoNumber, RejectedWrites,
                         testing::Values(RejectedWrite{"B", "261"}, RejectedWrite{"B", "-1"},
                                         RejectedWrite{"B", "abc"}, RejectedWrite{"D", "40000"},
                                         RejectedWrite{"D", "-32769"}, RejectedWrite{"D", "0x10"}));

// --- Reads of data the settings store did not write -----------------------------------------

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
        // A 32-bit number beyond the 16-bit range of writes still reads whole.
        ForeignValue{kRegDword, "\0\0\x01\0"sv, "D", kErrorSuccess, "65536"},
        // Strings: the last byte is dropped as the terminator, whatever it is.
        ForeignValue{kRegBinary, "ab\0"sv, "S", kErrorSuccess, "ab"},
        ForeignValue{kRegSz, "abc"sv, "S", kErrorSuccess, "ab"},
        ForeignValue{kRegMultiSz, "a\0b\0\0"sv, "S", kErrorSuccess, "a\0b\0"sv},
        // No bytes at all, not even a terminator: the default, and success.
        ForeignValue{kRegSz, ""sv, "S", kErrorSuccess, "default"},
        // A letter outside the table reads nothing.
        ForeignValue{kRegDword, "\x01\0\0\0"sv, "X", kErrorSuccess, "default"}));

// --- Letters and roots ---------------------------------------------------------------------

TEST_F(StoreCases, LetterOutsideTheTableCreatesTheKeyOnly) {
  EXPECT_EQ(WriteValue(api, "HKLM", keyPath, "v", "X", "1"), kErrorSuccess);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorSuccess);
  EXPECT_EQ(Stored("v").status, kErrorFileNotFound);
}

TEST_F(StoreCases, RootNamesIgnoreLetterCase) {
  ASSERT_EQ(WriteValue(api, "hklm", keyPath, "v", "S", "machine"), kErrorSuccess);
  ASSERT_EQ(WriteValue(api, "Hkcu", keyPath, "v", "S", "user"), kErrorSuccess);
  EXPECT_EQ(Stored("v").bytes, BytesOf("machine\0"sv));
  EXPECT_EQ(ReadStored(api, kHkeyCurrentUser, keyPath, "v").bytes, BytesOf("user\0"sv));
  std::string result;
  EXPECT_EQ(Read("hkcu", "s", result), kErrorSuccess);
  EXPECT_EQ(result, "user");
}

TEST_F(StoreCases, RootNameOutsideTheTableTouchesNothing) {
  for (const char* rootName : {"HKEY_LOCAL_MACHINE", "HKLM\\", "", "HKEY_*"}) {
    std::string result;
    EXPECT_EQ(WriteValue(api, rootName, keyPath, "v", "S", "x"), 99) << rootName;
    EXPECT_EQ(Read(rootName, "S", result), 99) << rootName;
    EXPECT_EQ(result, "default") << rootName;
  }
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
}

// A root name that matches an ordinary file names no key: both operations succeed and touch
// nothing. A directory is no ordinary file.
TEST_F(StoreCases, RootNameOfAnOrdinaryFileSucceedsAndTouchesNothing) {
  const ScopedTempDir directory;
  std::ofstream(directory.Path() / "HKEY_LOCAL_MACHINE") << "x";
  std::filesystem::create_directory(directory.Path() / "HKEY_FOLDER");
  const ScopedCurrentDirectory inside(directory.Path());

  for (const char* rootName : {"HKEY_LOCAL_MACHINE", "HKEY_L*", "*"}) {
    std::string result;
    EXPECT_EQ(WriteValue(api, rootName, keyPath, "v", "S", "x"), kErrorSuccess) << rootName;
    EXPECT_EQ(Read(rootName, "S", result), kErrorSuccess) << rootName;
    EXPECT_EQ(result, "default") << rootName;
  }
  EXPECT_EQ(WriteValue(api, "HKEY_FOLDER", keyPath, "v", "S", "x"), 99);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath), kErrorFileNotFound);
}

// --- The registry calls themselves ---------------------------------------------------------

TEST_F(StoreCases, KeyPathsAndValueNamesIgnoreLetterCase) {
  ASSERT_EQ(SaveSetting(api, title, "speed", "9", "B"), kErrorSuccess);
  ASSERT_EQ(SaveSetting(api, title, "SPEED", "10", "B"), kErrorSuccess);
  std::string upperPath = keyPath;
  for (char& c : upperPath) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(ReadStored(api, kHkeyLocalMachine, upperPath, "Speed").bytes, Bytes{10});
}

TEST_F(StoreCases, CreateMakesMissingParentsAndAcceptsLooseBackslashes) {
  ASSERT_EQ(WriteStored(api, kHkeyLocalMachine, keyPath + "\\A\\B\\", "v", kRegSz, {0}),
            kErrorSuccess);
  EXPECT_EQ(KeyStatus(api, kHkeyLocalMachine, keyPath + "\\A"), kErrorSuccess);
  EXPECT_EQ(ReadStored(api, kHkeyLocalMachine, keyPath + "\\\\A\\B", "v").bytes, Bytes{0});
  HKey key = 0;
  EXPECT_EQ(api.OpenKey(kHkeyLocalMachine, "\\" + keyPath, 0, kKeyQueryValue, key),
            kErrorBadPathname);
  EXPECT_EQ(api.CreateKey(kHkeyLocalMachine, "\\" + keyPath, 0, kKeySetValue, key),
            kErrorBadPathname);
}

TEST_F(StoreCases, HandlesAllowOnlyTheAccessAskedFor) {
  HKey writable = 0;
  ASSERT_EQ(api.CreateKey(kHkeyLocalMachine, keyPath, 0, kKeySetValue | kKeyCreateSubKey, writable),
            kErrorSuccess);
  const std::uint8_t byte = 1;
  EXPECT_EQ(api.SetValue(writable, "v", kRegBinary, &byte, 1), kErrorSuccess);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(api.QueryValue(writable, "v", type, nullptr, size), kErrorAccessDenied);
  EXPECT_EQ(api.CloseKey(writable), kErrorSuccess);

  HKey readable = 0;
  ASSERT_EQ(api.OpenKey(kHkeyLocalMachine, keyPath, 0, kKeyQueryValue, readable), kErrorSuccess);
  EXPECT_EQ(api.SetValue(readable, "v", kRegBinary, &byte, 1), kErrorAccessDenied);
  EXPECT_EQ(api.CloseKey(readable), kErrorSuccess);
  EXPECT_EQ(api.CloseKey(readable), kErrorInvalidHandle);
  EXPECT_EQ(api.CloseKey(kHkeyLocalMachine), kErrorSuccess);
}

TEST_F(StoreCases, QueryReportsTheSizeItNeeds) {
  ASSERT_EQ(SaveSetting(api, title, "v", "False", "S"), kErrorSuccess);
  HKey key = 0;
  ASSERT_EQ(api.OpenKey(kHkeyLocalMachine, keyPath, 0, kKeyQueryValue, key), kErrorSuccess);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(api.QueryValue(key, "v", type, nullptr, size), kErrorSuccess);
  EXPECT_EQ(size, 6U);
  EXPECT_EQ(type, kRegSz);

  Bytes small(2, ' ');
  size = 2;
  EXPECT_EQ(api.QueryValue(key, "v", type, small.data(), size), kErrorMoreData);
  EXPECT_EQ(size, 6U);

  size = 2;
  EXPECT_EQ(api.QueryValue(key, "missing", type, small.data(), size), kErrorFileNotFound);
  EXPECT_EQ(api.CloseKey(key), kErrorSuccess);
}

}  // namespace
}  // namespace quellar::test
