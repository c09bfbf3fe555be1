#pragma once
// The settings store: every persistent value of the program lives under
// HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\<application title>. Settings travel as text; the type
// letter ("S" string, "B" one byte, "D" 32-bit number) decides how they are stored.

#include <cstdint>
#include <string>

#include "registry/registry_api.h"

namespace quellar::modRegistry {

using registry::HKey;
using registry::RegistryApi;

std::int32_t SaveSetting(RegistryApi& api, const std::string& appTitle,
                         const std::string& valueName, const std::string& valueText,
                         const std::string& typeLetter);
std::string GetSetting(RegistryApi& api, const std::string& appTitle, const std::string& valueName,
                       const std::string& defaultText, const std::string& typeLetter);

// GetSetting's text, and whether the store answered: a value or key that is not there (or too
// large for the letter) is an answer, for which the default stands in; a store that could not
// be asked (locked by another process, unreadable) gave none, and the default only stands in
// for what the stored value may be.
struct SettingRead {
  std::string text;
  bool answered = true;
};
SettingRead ReadSetting(RegistryApi& api, const std::string& appTitle, const std::string& valueName,
                        const std::string& defaultText, const std::string& typeLetter);

std::int32_t WriteValue(RegistryApi& api, const std::string& rootName, const std::string& keyPath,
                        const std::string& valueName, const std::string& typeLetter,
                        const std::string& value);
std::int32_t ReadValue(RegistryApi& api, const std::string& rootName, const std::string& keyPath,
                       const std::string& valueName, const std::string& typeLetter,
                       const std::string& defaultValue, std::string& result);

// One of the six predefined keys; 1 for a name that matches an ordinary file; 0 otherwise.
HKey RootKeyOf(RegistryApi& api, const std::string& rootName);

}  // namespace quellar::modRegistry
