#pragma once
// The program's texts are UTF-8; the wide Win32 calls take UTF-16.

#include <string>
#include <string_view>

namespace quellar::win32 {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view text);

}  // namespace quellar::win32
