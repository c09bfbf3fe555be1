#include "registry/win32/win32_store.h"

#include <windows.h>

namespace quellar::registry {
namespace {

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// Windows defines the predefined keys as 32-bit numbers widened with their sign; a 64-bit
// program that passed them zero-extended would name no key at all.
HKEY ToNative(HKey key) {
  if (key >= kHkeyClassesRoot && key <= kHkeyDynData) {
    const auto widened = static_cast<std::intptr_t>(static_cast<std::int32_t>(key));
    return reinterpret_cast<HKEY>(widened);
  }
  return reinterpret_cast<HKEY>(key);
}

HKey FromNative(HKEY key) {
  return reinterpret_cast<HKey>(key);
}

class FileSearch {
 public:
  explicit FileSearch(const std::string& pattern)
      : search_(FindFirstFileA(pattern.c_str(), &found_)) {}
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  ~FileSearch() {
    if (Started()) FindClose(search_);
  }

  bool Started() const { return search_ != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAA& Found() const { return found_; }
  bool Next() { return FindNextFileA(search_, &found_) != FALSE; }

 private:
  WIN32_FIND_DATAA found_{};
  HANDLE search_;
};

}  // namespace

std::int32_t Win32Store::CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, HKey& result) {
  char noClass[] = "";
  SECURITY_ATTRIBUTES security{};
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG answer = RegCreateKeyExA(ToNative(root), subKey.c_str(), 0, noClass, options, access,
                                      &security, &created, &disposition);
  if (answer == ERROR_SUCCESS) result = FromNative(created);
  return answer;
}

std::int32_t Win32Store::OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, HKey& result) {
  HKEY opened = nullptr;
  const LONG answer = RegOpenKeyExA(ToNative(root), subKey.c_str(), options, access, &opened);
  if (answer == ERROR_SUCCESS) result = FromNative(opened);
  return answer;
}

std::int32_t Win32Store::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToNative(key), name.c_str(), 0, type, data, size);
}

std::int32_t Win32Store::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                    std::uint8_t* data, std::uint32_t& size) {
  DWORD nativeType = type;
  DWORD nativeSize = size;
  const LONG answer =
      RegQueryValueExA(ToNative(key), name.c_str(), nullptr, &nativeType, data, &nativeSize);
  type = nativeType;
  size = nativeSize;
  return answer;
}

std::int32_t Win32Store::CloseKey(HKey key) {
  return RegCloseKey(ToNative(key));
}

bool Win32Store::FindOrdinaryFile(const std::string& pattern) {
  FileSearch search(pattern);
  if (!search.Started()) return false;
  do {
    if ((search.Found().dwFileAttributes & kNotOrdinary) == 0) return true;
  } while (search.Next());
  return false;
}

}  // namespace quellar::registry
