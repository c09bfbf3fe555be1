#include "registry/mod_registry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <vector>

#include "base/conversions.h"
#include "registry/root_keys.h"

namespace quellar::modRegistry {
namespace {

using namespace registry;

// What WriteValue and ReadValue answer for a root name outside the root table.
constexpr std::int32_t kStatusUnknownRoot = 99;
// RootKeyOf's answers for a name that is no root key.
constexpr HKey kNoRootKey = 0;
constexpr HKey kOrdinaryFileFound = 1;

constexpr std::uint32_t kCreateAccess = kKeySetValue | kKeyCreateSubKey;

enum class Letter { kString, kByte, kDword, kOther };

std::string ToUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

Letter LetterOf(const std::string& typeLetter) {
  const std::string upper = ToUpper(typeLetter);
  if (upper == "S") return Letter::kString;
  if (upper == "B") return Letter::kByte;
  if (upper == "D") return Letter::kDword;
  return Letter::kOther;
}

// Closes the key on every path out of an operation; Close() gives the answer of the close
// where the operation returns it.
class KeyGuard {
 public:
  KeyGuard(RegistryApi& api, HKey key) : api_(api), key_(key) {}
  KeyGuard(const KeyGuard&) = delete;
  KeyGuard& operator=(const KeyGuard&) = delete;
  ~KeyGuard() {
    if (open_) api_.CloseKey(key_);
  }

  std::int32_t Close() {
    open_ = false;
    return api_.CloseKey(key_);
  }

 private:
  RegistryApi& api_;
  HKey key_;
  bool open_ = true;
};

struct ValueData {
  std::uint32_t type;
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> LittleEndian(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

// The data a letter stores for `value`; nothing when the text does not convert to the letter's
// type and range.
std::optional<ValueData> Encode(Letter letter, const std::string& value) {
  switch (letter) {
    case Letter::kString: {
      std::vector<std::uint8_t> bytes(value.begin(), value.end());
      bytes.push_back(0);
      return ValueData{kRegSz, std::move(bytes)};
    }
    case Letter::kByte:
      if (const std::optional<std::uint8_t> byte = TextToByte(value)) {
        return ValueData{kRegBinary, {*byte}};
      }
      return std::nullopt;
    case Letter::kDword:
      if (const std::optional<std::int16_t> number = TextToInt16(value)) {
        const auto widened = static_cast<std::int32_t>(*number);
        return ValueData{kRegDword, LittleEndian(static_cast<std::uint32_t>(widened))};
      }
      return std::nullopt;
    case Letter::kOther:
      break;
  }
  return std::nullopt;
}

// The answer of the last query, and the text read when the read succeeded. A successful query
// without text is a read the error trap stopped.
struct ReadOutcome {
  std::int32_t answer;
  std::optional<std::string> text;
};

// Two queries: the first, into a buffer of size 0, only learns the size. The data pointer must
// not be null: with a null pointer the registry answers success, and the read would take every
// string for an empty one.
ReadOutcome ReadString(RegistryApi& api, HKey key, const std::string& valueName) {
  std::uint32_t type = kRegSz;
  std::uint32_t size = 0;
  std::uint8_t sizeProbe = 0;
  std::int32_t answer = api.QueryValue(key, valueName, type, &sizeProbe, size);
  std::vector<std::uint8_t> buffer;
  if (answer == kErrorMoreData) {
    try {
      buffer.assign(size, static_cast<std::uint8_t>(' '));
    } catch (const std::exception&) {  // no memory for it, or more than a vector may hold
      return {answer, std::nullopt};
    }
    type = kRegSz;
    answer = api.QueryValue(key, valueName, type, buffer.data(), size);
  }
  if (answer != kErrorSuccess) return {answer, std::nullopt};
  // Data without even a terminator leaves nothing to drop: the read keeps the default.
  const std::size_t length = std::min<std::size_t>(size, buffer.size());
  if (length == 0) return {answer, std::nullopt};
  const auto* first = buffer.data();
  return {answer, std::string(first, first + (length - 1))};
}

// Whatever fits the buffer is taken, whatever its stored type; bytes a shorter value does not
// fill read as 0.
ReadOutcome ReadNumber(RegistryApi& api, HKey key, const std::string& valueName, Letter letter) {
  const bool isByte = letter == Letter::kByte;
  std::uint32_t type = isByte ? kRegBinary : kRegDword;
  std::uint32_t size = isByte ? 1 : 4;
  std::array<std::uint8_t, 4> bytes{};
  const std::int32_t answer = api.QueryValue(key, valueName, type, bytes.data(), size);
  if (answer != kErrorSuccess) return {answer, std::nullopt};
  if (isByte) return {answer, std::to_string(bytes[0])};
  std::uint32_t number = 0;
  for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) number = (number << 8U) | *byte;
  return {answer, std::to_string(static_cast<std::int32_t>(number))};
}

// The answer of an operation whose root name is no registry root: 99 outside the root table,
// 0 (and nothing touched) for the name of an ordinary file.
std::int32_t StatusWithoutRoot(HKey root) {
  return root == kOrdinaryFileFound ? kErrorSuccess : kStatusUnknownRoot;
}

bool IsRegistryRoot(HKey root) {
  return root != kNoRootKey && root != kOrdinaryFileFound;
}

}  // namespace

std::int32_t SaveSetting(RegistryApi& api, const std::string& appTitle,
                         const std::string& valueName, const std::string& valueText,
                         const std::string& typeLetter) {
  return WriteValue(api, "HKLM", "SOFTWARE\\Tovenlab\\" + appTitle, valueName, typeLetter,
                    valueText);
}

std::string GetSetting(RegistryApi& api, const std::string& appTitle, const std::string& valueName,
                       const std::string& defaultText, const std::string& typeLetter) {
  return ReadSetting(api, appTitle, valueName, defaultText, typeLetter).text;
}

SettingRead ReadSetting(RegistryApi& api, const std::string& appTitle, const std::string& valueName,
                        const std::string& defaultText, const std::string& typeLetter) {
  SettingRead read;
  const std::int32_t status = ReadValue(api, "HKLM", "SOFTWARE\\Tovenlab\\" + appTitle, valueName,
                                        typeLetter, defaultText, read.text);
  read.answered =
      status == kErrorSuccess || status == kErrorFileNotFound || status == kErrorMoreData;
  return read;
}

std::int32_t WriteValue(RegistryApi& api, const std::string& rootName, const std::string& keyPath,
                        const std::string& valueName, const std::string& typeLetter,
                        const std::string& value) {
  const HKey root = RootKeyOf(api, rootName);
  if (!IsRegistryRoot(root)) return StatusWithoutRoot(root);

  HKey key = 0;
  const std::int32_t created =
      api.CreateKey(root, keyPath, kRegOptionNonVolatile, kCreateAccess, key);
  if (created != kErrorSuccess) return created;
  KeyGuard guard(api, key);

  const Letter letter = LetterOf(typeLetter);
  if (letter != Letter::kOther) {
    const std::optional<ValueData> data = Encode(letter, value);
    // A text that does not convert writes nothing; the last registry answer is the create's.
    if (!data) return created;
    const auto size = static_cast<std::uint32_t>(data->bytes.size());
    const std::int32_t set = api.SetValue(key, valueName, data->type, data->bytes.data(), size);
    if (set != kErrorSuccess) return set;
  }
  return guard.Close();
}

std::int32_t ReadValue(RegistryApi& api, const std::string& rootName, const std::string& keyPath,
                       const std::string& valueName, const std::string& typeLetter,
                       const std::string& defaultValue, std::string& result) {
  result = defaultValue;
  const HKey root = RootKeyOf(api, rootName);
  if (!IsRegistryRoot(root)) return StatusWithoutRoot(root);

  HKey key = 0;
  const std::int32_t opened = api.OpenKey(root, keyPath, 0, kKeyQueryValue, key);
  if (opened != kErrorSuccess) return opened;
  KeyGuard guard(api, key);

  const Letter letter = LetterOf(typeLetter);
  if (letter == Letter::kOther) return guard.Close();
  const ReadOutcome outcome = letter == Letter::kString ? ReadString(api, key, valueName)
                                                        : ReadNumber(api, key, valueName, letter);
  if (!outcome.text) return outcome.answer;
  result = *outcome.text;
  return guard.Close();
}

HKey RootKeyOf(RegistryApi& api, const std::string& rootName) {
  const std::string upper = ToUpper(rootName);
  for (const RootKey& root : kRootKeys) {
    if (upper == root.shortName) return root.key;
  }
  return api.FindOrdinaryFile(rootName) ? kOrdinaryFileFound : kNoRootKey;
}

}  // namespace quellar::modRegistry
