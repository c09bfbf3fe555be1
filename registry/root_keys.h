#pragma once
// The predefined root keys by their short names (as the settings store's callers write them) and
// their full names (as the registry shows them).

#include <array>
#include <string_view>

#include "registry/registry_api.h"

namespace quellar::registry {

struct RootKey {
  std::string_view shortName;
  std::string_view fullName;
  HKey key;
};

// In the order the settings store compares root names.
inline constexpr std::array<RootKey, 6> kRootKeys{{
    {"HKCU", "HKEY_CURRENT_USER", kHkeyCurrentUser},
    {"HKLM", "HKEY_LOCAL_MACHINE", kHkeyLocalMachine},
    {"HKU", "HKEY_USERS", kHkeyUsers},
    {"HKDD", "HKEY_DYN_DATA", kHkeyDynData},
    {"HKCC", "HKEY_CURRENT_CONFIG", kHkeyCurrentConfig},
    {"HKCR", "HKEY_CLASSES_ROOT", kHkeyClassesRoot},
}};

}  // namespace quellar::registry
