#include "registry/text_store.h"

#include <algorithm>
#include <utility>

namespace quellar::registry {
namespace {

constexpr const char* kNotUsed = "; the default settings are used and nothing is saved";

void Overlay(RegistryKeys& keys, const RegistryKeys& changes) {
  for (const auto& [path, values] : changes) {
    KeyValues& target = MakeKey(keys, path);
    for (const auto& [name, value] : values) target[name] = value;
  }
}

}  // namespace

TextStore::TextStore(std::unique_ptr<TextSlot> slot, Options options)
    : slot_(std::move(slot)), report_(std::move(options.report)) {
  const SlotText read = slot_->Read();
  if (!read.failure.empty()) {
    Report("could not be read (" + read.failure + "): the default settings stand in");
    return;
  }
  ParsedText parsed = ParseRegistryText(read.text.value_or(""));
  writable_ = parsed.problem.empty();
  if (!writable_) Report("holds no settings of this program (" + parsed.problem + ")" + kNotUsed);
  keys_ = std::move(parsed.keys);
}

void TextStore::Report(const std::string& what) {
  if (std::exchange(reported_, true)) return;
  if (report_) report_("settings store " + slot_->Name() + " " + what);
}

// A text that cannot be read now, or is no longer this store's, is not written over: the
// changes wait for a save that can merge them.
void TextStore::Save() {
  if (changes_.empty()) return;
  const SlotText latest = slot_->Read();
  if (!latest.failure.empty()) {
    Report("could not be read (" + latest.failure + "): changed settings are not saved");
    return;
  }
  ParsedText merged = ParseRegistryText(latest.text.value_or(""));
  if (!merged.problem.empty()) {
    Report("holds no settings of this program (" + merged.problem +
           "): changed settings are not saved over it");
    return;
  }
  Overlay(merged.keys, changes_);
  const std::string failure = slot_->Write(FormatRegistryText(merged.keys));
  keys_ = std::move(merged.keys);
  if (!failure.empty()) {
    Report("could not be written (" + failure + "): changed settings are not saved");
    return;
  }
  changes_.clear();
}

bool TextStore::KeyExists(const std::string& path) const {
  // A root always exists.
  return path.find('\\') == std::string::npos || keys_.contains(path);
}

const RegistryValue* TextStore::Find(const std::string& path, const std::string& name) const {
  const auto key = keys_.find(path);
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.find(name);
  return value == key->second.end() ? nullptr : &value->second;
}

std::int32_t TextStore::CreateKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                  std::uint32_t access, HKey& result) {
  return OpenHandle(root, subKey, access, result, MissingKey::kCreate);
}

std::int32_t TextStore::OpenKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                std::uint32_t access, HKey& result) {
  return OpenHandle(root, subKey, access, result, MissingKey::kFail);
}

std::int32_t TextStore::OpenHandle(HKey root, const std::string& subKey, std::uint32_t access,
                                   HKey& result, MissingKey missing) {
  std::string path;
  const std::int32_t named = openKeys_.PathBelow(root, subKey, path);
  if (named != kErrorSuccess) return named;
  if (!KeyExists(path)) {
    if (missing == MissingKey::kFail) return kErrorFileNotFound;
    if (!writable_) return kErrorAccessDenied;
    MakeKey(keys_, path);
    MakeKey(changes_, path);
  }
  result = openKeys_.Add({std::move(path), access});
  return kErrorSuccess;
}

std::int32_t TextStore::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
  std::int32_t status = kErrorSuccess;
  const KeyHandles::OpenedKey* opened = openKeys_.OpenedWith(key, kKeySetValue, status);
  if (opened == nullptr) return status;
  if (data == nullptr && size != 0) return kErrorInvalidParameter;
  if (!writable_) return kErrorAccessDenied;
  const RegistryValue value{type, std::string(data, data + size)};
  MakeKey(keys_, opened->path)[name] = value;
  MakeKey(changes_, opened->path)[name] = value;
  return kErrorSuccess;
}

std::int32_t TextStore::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                   std::uint8_t* data, std::uint32_t& size) {
  std::int32_t status = kErrorSuccess;
  const KeyHandles::OpenedKey* opened = openKeys_.OpenedWith(key, kKeyQueryValue, status);
  if (opened == nullptr) return status;
  const RegistryValue* value = Find(opened->path, name);
  if (value == nullptr) {
    type = 0;  // REG_NONE, as the system registry answers for a missing value
    return kErrorFileNotFound;
  }
  type = value->type;
  const auto storedSize = static_cast<std::uint32_t>(value->data.size());
  const bool fits = data == nullptr || size >= storedSize;
  size = storedSize;
  if (!fits) return kErrorMoreData;
  if (data != nullptr) std::copy(value->data.begin(), value->data.end(), data);
  return kErrorSuccess;
}

std::int32_t TextStore::CloseKey(HKey key) {
  KeyHandles::OpenedKey closed;
  return openKeys_.Close(key, closed);
}

bool TextStore::FindOrdinaryFile(const std::string& /*pattern*/) {
  return false;
}

}  // namespace quellar::registry
