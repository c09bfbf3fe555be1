#include "registry/text_store.h"

#include <gtest/gtest.h>

#include "registry/mod_registry.h"
#include "tests/store/store_support.h"
#include "tests/store/text/string_slot.h"

namespace quellar::test {
namespace {

using namespace modRegistry;
constexpr const char* kTitle = "QuellarScreensaver";
const std::string kSaved =
    "quellar registry 1\nkey HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovenlab\\QuellarScreensaver\n"
    "value randm 1 False%00\n";

// A page of the site: a store over the shared slot, and the lines it told.
struct Page {
  explicit Page(std::shared_ptr<SlotState> slot)
      : store(std::make_unique<StringSlot>(std::move(slot)),
              {[this](const std::string& line) { reports.push_back(line); }}) {}
  std::vector<std::string> reports;
  TextStore store;
};

// Each page saves only what it changed, over what the other saved; names meet in any case.
TEST(TextStore, ASaveKeepsWhatAnotherPageSaved) {
  const auto slot = std::make_shared<SlotState>(SlotState{kSaved});
  Page first(slot), second(slot);
  SaveSetting(first.store, kTitle, "randm", "True", "S");
  WriteValue(second.store, "hklm", "software\\TOVENLAB\\quellarscreensaver", "CHAIN", "B", "2");
  first.store.Save();
  second.store.Save();
  Page fresh(slot);
  for (TextStore* store : {&second.store, &fresh.store}) {
    EXPECT_EQ(GetSetting(*store, kTitle, "randm", "False", "S"), "True");
    EXPECT_EQ(GetSetting(*store, kTitle, "chain", "28", "B"), "2");
  }
}

// Every byte of a name and of data, any type, a root's unnamed value: as written, after a save
// and a fresh store's load.
TEST(TextStore, ValuesComeBackFromTheTextByteForByte) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::tuple<std::string, std::string, std::uint32_t, Bytes> values[] = {
      {"SOFTWARE\\a b%20", all, 0xFFFFFFFF, BytesOf(all.substr(0, 64))}, {"", "", kRegSz, {}}};
  const auto slot = std::make_shared<SlotState>();
  Page page(slot);
  for (const auto& [path, name, type, data] : values) {
    WriteStored(page.store, kHkeyCurrentUser, path, name, type, data);
  }
  page.store.Save();
  Page fresh(slot);
  for (const auto& [path, name, type, data] : values) {
    const StoredValue got = ReadStored(fresh.store, kHkeyCurrentUser, path, name);
    EXPECT_EQ(std::tie(got.status, got.type, got.bytes), std::tie(kErrorSuccess, type, data))
        << *slot->text;
  }
}

// A text that is not this store's is told of, with its line, and never written over: the store
// answers as an empty registry that may not be written.
TEST(TextStore, ATextNotItsOwnIsToldOfAndLeftAsItIs) {
  const std::pair<std::string, int> texts[] = {
      {"quellar registry 2\n", 1},           {"quellar registry 1\nvalue a 1 b\n", 2},
      {kSaved + "key HKEY_NOWHERE\\a\n", 4}, {kSaved + "key HKEY_USERS\\\\a\n", 4},
      {kSaved + "value a 3 %1\n", 4},        {kSaved + "value a 3 %1G\n", 4},
      {kSaved + "value a -3 %1D\n", 4},      {kSaved + "value a 3\n", 4},
      {kSaved + "value a 3 %1D 1\n", 4}};
  for (const auto& [text, line] : texts) {
    const auto slot = std::make_shared<SlotState>(SlotState{text});
    Page page(slot);
    ASSERT_EQ(page.reports.size(), 1U) << text;
    EXPECT_NE(page.reports[0].find("(line " + std::to_string(line) + ": "), std::string::npos);
    EXPECT_EQ(GetSetting(page.store, kTitle, "randm", "True", "S"), "True") << text;
    EXPECT_EQ(SaveSetting(page.store, kTitle, "speed", "29", "B"), kErrorAccessDenied) << text;
    EXPECT_EQ(WriteValue(page.store, "HKLM", "", "speed", "B", "29"), kErrorAccessDenied) << text;
    EXPECT_EQ(KeyStatus(page.store, kHkeyLocalMachine, "SOFTWARE"), kErrorFileNotFound) << text;
  }
  // Nor is a text that became another's (a newer page's) after the store read it.
  const auto slot = std::make_shared<SlotState>(SlotState{kSaved});
  Page page(slot);
  SaveSetting(page.store, kTitle, "speed", "29", "B");
  slot->text = texts[0].first;
  page.store.Save();
  EXPECT_EQ(slot->text, texts[0].first);
}

// A slot that cannot be read or written is told of once; the settings live on in memory, are
// not written over what could not be read, and are saved once the slot works again.
TEST(TextStore, ASlotThatFailsIsToldOfOnceAndTheRunGoesOn) {
  for (const SlotState& failing : {SlotState{kSaved, "SecurityError: denied"},
                                   SlotState{kSaved, "", "QuotaExceededError: full"}}) {
    const auto slot = std::make_shared<SlotState>(failing);
    Page page(slot);
    SaveSetting(page.store, kTitle, "speed", "29", "B");
    page.store.Save();
    SaveSetting(page.store, kTitle, "chain", "2", "B");
    page.store.Save();
    ASSERT_EQ(page.reports.size(), 1U);
    EXPECT_NE(page.reports[0].find(failing.readFailure + failing.writeFailure), std::string::npos);
    EXPECT_EQ(GetSetting(page.store, kTitle, "chain", "28", "B"), "2");
    slot->readFailure = slot->writeFailure = "";
    page.store.Save();
    Page fresh(slot);
    EXPECT_EQ(GetSetting(fresh.store, kTitle, "speed", "41", "B"), "29");
    EXPECT_EQ(GetSetting(fresh.store, kTitle, "randm", "True", "S"), "False");
  }
}

}  // namespace
}  // namespace quellar::test
