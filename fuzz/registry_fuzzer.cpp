// Sequences of the settings store's calls on the SQLite store against a model of their rules:
// letters, roots, conversions and ranges, reads of other data, case-blind key and value names.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "fuzz/number_model.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::fuzz {
namespace {
namespace fs = std::filesystem;
using namespace registry;
constexpr std::array<std::string_view, 6> kRoots{"HKCU", "HKLM", "HKU", "HKDD", "HKCC", "HKCR"};
constexpr std::array<const char*, 9> kLetters{"S", "s", "B", "b", "D", "d", "", "x", "SB"};
// Names for the file search in the folder below: those that find an ordinary file there, then
// those that do not. None leaves the folder: none begins with a slash or names a parent.
constexpr std::array<std::string_view, 11> kFileNames{
    "HKEY_LOCAL_MACHINE", "note.txt", "note.tx?",   "*",       "sub/inner", "*/inner", ".hidden",
    "sub/.dot",           "sub",      "HKEY_USERS", "HKLM.txt"};
constexpr auto kFound = kFileNames.begin() + 6;

// The file search's folder, the current directory while the target runs (corpus paths absolute).
struct SearchFolder {
  fs::path path = fs::temp_directory_path() / ("quellar-fuzz-" + std::to_string(getpid()));
  SearchFolder() {
    fs::create_directories(path / "sub");
    for (const char* file : {"HKEY_LOCAL_MACHINE", "note.txt", ".hidden", "sub/inner", "sub/.dot"})
      std::ofstream(path / file) << "x";
    fs::current_path(path);
  }
  SearchFolder(const SearchFolder&) = delete;
  ~SearchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};
struct Call {
  std::string root, path, name;
};

// The key's folded path; none, and the status to answer, where there is no key: 99 outside the
// root table, 0 for an ordinary file's name, 161 for a path that begins with a backslash.
std::int32_t KeyOf(const Call& call, std::string& key) {
  const std::string root = Folded(call.root, toupper);
  if (std::count(kRoots.begin(), kRoots.end(), root) == 0)
    return std::count(kFileNames.begin(), kFound, call.root) != 0 ? kErrorSuccess : 99;
  if (call.path.starts_with('\\')) return kErrorBadPathname;
  key = root + "\\" + Folded(call.path, tolower);  // empty names between backslashes dropped
  const auto doubled = [](char a, char b) { return a == '\\' && b == '\\'; };
  key.erase(std::unique(key.begin(), key.end(), doubled), key.end());
  if (key.ends_with('\\')) key.pop_back();
  return kErrorSuccess;
}

// The data a letter stores for a text; none when the text does not convert.
std::optional<std::string> Encoded(const std::string& letter, const std::string& text) {
  const auto number = InRange<std::int16_t>(NumberOf(text));
  if (letter == "S") return text + '\0';
  if (letter == "B" && number && *number >= 0 && *number <= 255)
    return std::string(1, static_cast<char>(*number));
  if (letter != "D" || !number) return std::nullopt;
  const std::int32_t widened = *number;  // sign-extended; little-endian, as on this machine
  return std::string(reinterpret_cast<const char*>(&widened), sizeof widened);
}

struct Model {
  std::set<std::string> keys{kRoots.begin(), kRoots.end()};
  std::map<std::pair<std::string, std::string>, std::string> values;  // by key, folded name

  // The status of a write that stores `data`, or nothing when there is none.
  std::int32_t Write(const Call& call, const std::optional<std::string>& data) {
    std::string key;
    const std::int32_t status = KeyOf(call, key);
    for (std::size_t at = key.find('\\'); at != key.npos; at = key.find('\\', at + 1))
      keys.insert(key.substr(0, at));
    if (!key.empty()) keys.insert(key);
    if (!key.empty() && data) values[{key, Folded(call.name, tolower)}] = *data;
    return status;
  }
  // The answer of a read with an upper-case letter; `result` gets what a successful one yields.
  std::int32_t Read(const Call& call, const std::string& letter, std::string& result) const {
    std::string key;
    const std::int32_t status = KeyOf(call, key);
    if (!key.empty() && keys.count(key) == 0) return kErrorFileNotFound;
    if (key.empty() || (letter != "S" && letter != "B" && letter != "D")) return status;
    const auto value = values.find({key, Folded(call.name, tolower)});
    if (value == values.end()) return kErrorFileNotFound;
    const std::string& data = value->second;
    if (letter == "S" && !data.empty()) result = data.substr(0, data.size() - 1);
    if (letter == "S") return status;
    if (data.size() > (letter == "B" ? 1U : 4U)) return kErrorMoreData;
    std::int32_t number = 0;  // little-endian, the bytes a short value lacks 0
    std::memcpy(&number, data.data(), data.size());
    result = std::to_string(number);
    return status;
  }
};

// A root of the table in mixed case, or a name for the file search.
std::string RootName(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return std::string(input.PickValueInArray(kFileNames));
  std::string name(input.PickValueInArray(kRoots));
  for (char& c : name) c = input.ConsumeBool() ? static_cast<char>(tolower(c)) : c;
  return name;
}

// Any text, or a number at an edge of the byte and 16-bit ranges.
std::string Text(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeRandomLengthString(12);
  const int edge =
      input.PickValueInArray({0, 255, 32767, -32768}) + input.ConsumeIntegralInRange(-1, 1);
  return std::to_string(edge) + (input.ConsumeBool() ? ".5" : "");
}

// A write through SaveSetting or WriteValue, or none; then a read of that value through
// GetSetting or ReadValue, with a letter of its own and, sometimes, under another root.
void Step(FuzzedDataProvider& input, RegistryApi& store, Model& model) {
  const bool viaSetting = input.ConsumeBool();
  const std::string title = input.PickValueInArray({"", "a", "A", "b\\a", "B\\\\A\\", "\\a"});
  Call call{viaSetting ? "HKLM" : RootName(input),
            viaSetting ? "SOFTWARE\\Tovenlab\\" + title : title,
            input.PickValueInArray({"", "a", "A", "b\\a", "B\\A", "\xC4", "\xE4"})};
  const std::string text = Text(input), letter = input.PickValueInArray(kLetters);
  const std::string shown =
      call.root + "|" + call.path + "|" + call.name + "|" + text + "|" + letter;
  if (input.ConsumeBool()) {
    const std::int32_t status =
        viaSetting ? modRegistry::SaveSetting(store, title, call.name, text, letter)
                   : modRegistry::WriteValue(store, call.root, call.path, call.name, letter, text);
    Check(status == model.Write(call, Encoded(Folded(letter, toupper), text)), "write", shown);
  }
  const std::string readLetter = input.PickValueInArray(kLetters);
  if (!viaSetting && input.ConsumeBool()) call.root = input.PickValueInArray(kRoots);
  std::string expected = text, result = "<unset>";
  const std::int32_t status = model.Read(call, Folded(readLetter, toupper), expected);
  if (viaSetting) result = modRegistry::GetSetting(store, title, call.name, text, readLetter);
  const std::int32_t read = viaSetting
                                ? status
                                : modRegistry::ReadValue(store, call.root, call.path, call.name,
                                                         readLetter, text, result);
  Check(read == status && result == expected, "read",
        shown + "|" + readLetter + "|" + call.root + ": " + result);
}
}  // namespace
}  // namespace quellar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quellar::fuzz::SearchFolder folder;
  FuzzedDataProvider input(data, size);
  quellar::registry::SqliteStore store(":memory:");
  quellar::fuzz::Model model;
  while (input.remaining_bytes() > 0) quellar::fuzz::Step(input, store, model);
  return 0;
}
