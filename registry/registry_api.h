#pragma once
// The five registry calls the settings store is built on, plus the ordinary-file search that
// RootKeyOf needs. On Windows they are advapi32's; elsewhere a store of our own answers them
// with the same status codes.

#include <cstdint>
#include <string>

namespace quellar::registry {

using HKey = std::uintptr_t;

// Predefined root keys, with the values Windows gives them.
inline constexpr HKey kHkeyClassesRoot = 0x80000000u;
inline constexpr HKey kHkeyCurrentUser = 0x80000001u;
inline constexpr HKey kHkeyLocalMachine = 0x80000002u;
inline constexpr HKey kHkeyUsers = 0x80000003u;
inline constexpr HKey kHkeyCurrentConfig = 0x80000005u;
inline constexpr HKey kHkeyDynData = 0x80000006u;

// Status codes (Win32 error codes).
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorInvalidParameter = 87;
inline constexpr std::int32_t kErrorBadPathname = 161;
inline constexpr std::int32_t kErrorMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Access rights and options passed through to the store.
inline constexpr std::uint32_t kKeyQueryValue = 1;
inline constexpr std::uint32_t kKeySetValue = 2;
inline constexpr std::uint32_t kKeyCreateSubKey = 4;
inline constexpr std::uint32_t kRegOptionNonVolatile = 0;

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  // RegCreateKeyExA: opens or creates `subKey` (and any missing parent) under `root`.
  virtual std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, HKey& result) = 0;
  // RegOpenKeyExA: opens an existing key; 2 when it is missing.
  virtual std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, HKey& result) = 0;
  // RegSetValueExA. String data should count its terminating NUL: the system registry also
  // counts a NUL that directly follows the data (it looks one byte past `size`), a store of
  // our own never looks past `size`.
  virtual std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) = 0;
  // RegQueryValueExA: `type` receives the stored type. With `data` null the call answers 0 and
  // sets `size`; with a buffer too small it answers 234 and sets `size` to what is needed.
  virtual std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) = 0;
  // RegCloseKey.
  virtual std::int32_t CloseKey(HKey key) = 0;

  // True when a directory search for `pattern` (wildcards allowed, relative to the current
  // directory) completes and finds an ordinary file: not hidden, not a system file, not a
  // directory.
  virtual bool FindOrdinaryFile(const std::string& pattern) = 0;
};

}  // namespace quellar::registry
