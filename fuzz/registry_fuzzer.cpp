// Sequences of the settings store's calls on the SQLite store, against a model of the rules:
// type letters S, B and D in any case, root names from the table in any case (99 outside it,
// 0 and nothing touched for the name of an ordinary file), the byte and 16-bit conversions and
// their ranges, reads of values of other sizes, the string read dropping its terminator, and
// key paths and value names that compare without regard to ASCII case.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "fuzz/check.h"
#include "fuzz/number_model.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::fuzz {
namespace {

namespace fs = std::filesystem;
using registry::kErrorFileNotFound;
using registry::kErrorMoreData;
using registry::kErrorSuccess;
using registry::RegistryApi;

constexpr std::int32_t kUnknownRoot = 99;
constexpr std::int32_t kBadPathname = 161;  // a key path that starts with a backslash
constexpr std::array<std::string_view, 6> kRoots{"HKCU", "HKLM", "HKU", "HKDD", "HKCC", "HKCR"};
// The ordinary files of the folder the file-name roots are searched in: not the hidden file,
// not the folder.
constexpr std::array<std::string_view, 2> kOrdinaryFiles{"HKEY_LOCAL_MACHINE", "note.txt"};
// Names with a slash, all inside that folder, and whether they find an ordinary file.
constexpr std::array<std::pair<std::string_view, bool>, 6> kPaths{{{"sub/inner", true},
                                                                   {"*/inner", true},
                                                                   {"./note.*", true},
                                                                   {"sub/.dot", false},
                                                                   {"sub/", false},
                                                                   {"sub", false}}};

// A folder of the target's own, made the current directory while the target runs.
class SearchFolder {
 public:
  SearchFolder() : path_(fs::temp_directory_path() / ("quellar-fuzz-" + std::to_string(getpid()))) {
    fs::create_directories(path_ / "sub");
    for (const char* file : {"HKEY_LOCAL_MACHINE", "note.txt", ".hidden", "sub/inner", "sub/.dot"})
      std::ofstream(path_ / file) << "x";
    fs::current_path(path_);
  }
  SearchFolder(const SearchFolder&) = delete;
  SearchFolder& operator=(const SearchFolder&) = delete;
  ~SearchFolder() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(path_, ignored);
  }

 private:
  fs::path path_;
};

std::string Folded(std::string_view text, int (*fold)(int)) {
  std::string folded(text);
  for (char& c : folded) c = (c & 0x80) != 0 ? c : static_cast<char>(fold(c));
  return folded;
}

// '*' any run of characters, '?' any one, anything else itself.
bool Matches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    return Matches(pattern.substr(1), name) || (!name.empty() && Matches(pattern, name.substr(1)));
  }
  return !name.empty() && (pattern[0] == '?' || pattern[0] == name[0]) &&
         Matches(pattern.substr(1), name.substr(1));
}

bool FindsOrdinaryFile(std::string_view name) {
  name = name.substr(0, name.find('\0'));  // the search takes the name as a C string
  for (const auto& [path, found] : kPaths) {
    if (name == path) return found;
  }
  return std::any_of(kOrdinaryFiles.begin(), kOrdinaryFiles.end(),
                     [name](std::string_view file) { return Matches(name, file); });
}

class Model {
 public:
  std::int32_t Write(const std::string& root, const std::string& path, const std::string& name,
                     const std::string& letter, const std::string& text) {
    return Store(root, path, name, Encoded(Folded(letter, toupper), text));
  }

  // Creates the key and its parents, then stores `data` when there is any.
  std::int32_t Store(const std::string& root, const std::string& path, const std::string& name,
                     const std::optional<std::string>& data) {
    std::string key;
    if (const std::int32_t status = KeyOf(root, path, key); status != kErrorSuccess || key.empty())
      return status;
    for (std::size_t at = key.find('\\'); at != key.npos; at = key.find('\\', at + 1))
      keys_.insert(key.substr(0, at));
    keys_.insert(key);
    if (data) values_[{key, Folded(name, tolower)}] = *data;
    return kErrorSuccess;
  }

  std::int32_t Read(const std::string& root, const std::string& path, const std::string& name,
                    const std::string& letter, const std::string& fallback, std::string& result) {
    result = fallback;
    std::string key;
    if (const std::int32_t status = KeyOf(root, path, key); status != kErrorSuccess || key.empty())
      return status;
    if (keys_.count(key) == 0 && key.find('\\') != key.npos) return kErrorFileNotFound;
    const std::string upper = Folded(letter, toupper);
    if (upper != "S" && upper != "B" && upper != "D") return kErrorSuccess;
    const auto value = values_.find({key, Folded(name, tolower)});
    if (value == values_.end()) return kErrorFileNotFound;
    const std::string& data = value->second;
    if (upper == "S") {
      if (!data.empty()) result = data.substr(0, data.size() - 1);
      return kErrorSuccess;
    }
    if (data.size() > (upper == "B" ? 1U : 4U)) return kErrorMoreData;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size(); ++i)
      number |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[i])) << (8 * i);
    result = std::to_string(static_cast<std::int32_t>(number));
    return kErrorSuccess;
  }

 private:
  // The key's folded path; empty, with the status to answer, for a root name that is no
  // registry root and for a path that is no path.
  static std::int32_t KeyOf(const std::string& root, const std::string& path, std::string& key) {
    const std::string upper = Folded(root, toupper);
    if (std::find(kRoots.begin(), kRoots.end(), upper) == kRoots.end())
      return FindsOrdinaryFile(root) ? kErrorSuccess : kUnknownRoot;
    if (!path.empty() && path[0] == '\\') return kBadPathname;
    key = upper;
    std::size_t start = 0;
    for (std::size_t end; start <= path.size(); start = end + 1) {
      end = std::min(path.find('\\', start), path.size());
      if (end > start) key += "\\" + Folded(path.substr(start, end - start), tolower);
    }
    return kErrorSuccess;
  }

  static std::optional<std::string> Encoded(const std::string& letter, const std::string& text) {
    if (letter == "S") return text + '\0';
    if (letter == "B") {
      if (const auto byte = InRange<std::uint8_t>(NumberOf(text)))
        return std::string(1, static_cast<char>(*byte));
    } else if (letter == "D") {
      if (const auto number = InRange<std::int16_t>(NumberOf(text))) {
        const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(*number));
        std::string bytes;
        for (unsigned shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(bits >> shift);
        return bytes;
      }
    }
    return std::nullopt;
  }

  std::set<std::string> keys_;
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

std::string Pick(FuzzedDataProvider& input, std::string_view alphabet, std::size_t longest) {
  std::string text(input.ConsumeIntegralInRange<std::size_t>(0, longest), ' ');
  for (char& c : text)
    c = alphabet[input.ConsumeIntegralInRange<std::size_t>(0, alphabet.size() - 1)];
  return text;
}

std::string RootName(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: {
      std::string name(input.PickValueInArray(kRoots));
      for (char& c : name) c = input.ConsumeBool() ? static_cast<char>(tolower(c)) : c;
      return name;
    }
    case 1:
      return Pick(input, "HKEY_LOCAL_MACHINEnote.tx*?", 8);
    case 2:
      return std::string(input.PickValueInArray(kPaths).first);
    default: {  // no slash, bracket or escape: no name leaves the folder or needs a pattern
      std::string name = input.ConsumeRandomLengthString(20);
      std::erase_if(name, [](char c) { return c == '/' || c == '[' || c == '\\'; });
      return name;
    }
  }
}

// A number near an edge of the byte and 16-bit ranges, a text of number characters, or any text.
std::string Text(FuzzedDataProvider& input) {
  constexpr std::array<int, 5> kEdges{0, 255, 32767, -32768, 41};
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: {
      const int number = input.PickValueInArray(kEdges) + input.ConsumeIntegralInRange(-2, 2);
      return std::to_string(number) + (input.ConsumeBool() ? ".5" : "");
    }
    case 1:
      return Pick(input, " +-.0125689", 8);
    default:
      return input.ConsumeRandomLengthString(12);
  }
}

// One call of the store's operations: through SaveSetting and GetSetting, or through WriteValue
// and ReadValue with any root name and key path.
struct Call {
  bool viaSetting = false;
  std::string root, title, path, name, letter, text;
  std::string Shown() const { return root + "|" + path + "|" + name + "|" + letter + "|" + text; }
};

constexpr std::array<const char*, 9> kLetters{"S", "s", "B", "b", "D", "d", "", "x", "SB"};

Call NextCall(FuzzedDataProvider& input) {
  Call call;
  call.viaSetting = input.ConsumeBool();
  call.root = call.viaSetting ? "HKLM" : RootName(input);
  call.title = Pick(input, "aAbB\\", 4);
  call.path = call.viaSetting ? "SOFTWARE\\Tovenlab\\" + call.title : call.title;
  call.name = Pick(input, "aAbB \\\xC4\xE4", 3);
  call.letter = input.PickValueInArray(kLetters);
  call.text = Text(input);
  return call;
}

void CheckWrite(RegistryApi& store, Model& model, const Call& c) {
  const std::int32_t expected = model.Write(c.root, c.path, c.name, c.letter, c.text);
  const std::int32_t status =
      c.viaSetting ? modRegistry::SaveSetting(store, c.title, c.name, c.text, c.letter)
                   : modRegistry::WriteValue(store, c.root, c.path, c.name, c.letter, c.text);
  Check(status == expected, "write status", c.Shown());
}

// Data of any type and size under HKLM, as another program may have stored it.
void CheckRawWrite(RegistryApi& store, Model& model, const Call& c, std::uint32_t type) {
  registry::HKey key = 0;
  const std::int32_t created =
      store.CreateKey(registry::kHkeyLocalMachine, c.path, 0, registry::kKeySetValue, key);
  Check(created == model.Store("HKLM", c.path, c.name, c.text), "CreateKey", c.Shown());
  if (created != kErrorSuccess) return;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.text.data());
  store.SetValue(key, c.name, type, bytes, static_cast<std::uint32_t>(c.text.size()));
  store.CloseKey(key);
}

void CheckRead(RegistryApi& store, Model& model, const Call& c) {
  std::string expected;
  const std::int32_t status = model.Read(c.root, c.path, c.name, c.letter, c.text, expected);
  std::string result = "<unset>";
  if (c.viaSetting) {
    result = modRegistry::GetSetting(store, c.title, c.name, c.text, c.letter);
  } else {
    Check(modRegistry::ReadValue(store, c.root, c.path, c.name, c.letter, c.text, result) == status,
          "read status", c.Shown());
  }
  Check(result == expected, "read result", c.Shown() + " read " + result);
}

}  // namespace
}  // namespace quellar::fuzz

// Each write is read back at once, with a letter of its own; reads also come alone.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quellar::fuzz;
  static SearchFolder folder;
  FuzzedDataProvider input(data, size);
  quellar::registry::SqliteStore store(":memory:");
  Model model;
  while (input.remaining_bytes() > 0) {
    Call call = NextCall(input);
    switch (input.ConsumeIntegralInRange(0, 2)) {
      case 0:
        call.root = "HKLM";
        CheckRawWrite(store, model, call, input.ConsumeIntegral<std::uint32_t>());
        break;
      case 1:
        CheckWrite(store, model, call);
        break;
      default:
        break;
    }
    call.letter = input.PickValueInArray(kLetters);
    // Sometimes the same path under another root: roots keep their keys apart.
    if (!call.viaSetting && input.ConsumeBool()) call.root = input.PickValueInArray(kRoots);
    CheckRead(store, model, call);
  }
  return 0;
}
