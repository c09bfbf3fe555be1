#pragma once
// A digest of what the dynamic loader maps of a shared object: its loadable (PT_LOAD) segments,
// read from the file without mapping it, so that a file cut short is found out instead of
// raising SIGBUS when a page past its end is touched. Stripping (cpack, `cmake --install
// --strip`) leaves those bytes as they are but for the ELF header's fields that locate the
// section headers, which the digest reads as zero: an unstripped build output and its stripped
// install have one digest, a file cut short or altered another, or none.

#include <filesystem>
#include <string>

namespace quellar::desktop {

struct LoadedImageDigest {
  // SHA-256 in lower-case hexadecimal; empty when the file cannot be loaded.
  std::string digest;
  // Why not, as a phrase that follows the file's name ("is cut short: ...").
  std::string problem;
};

LoadedImageDigest DigestLoadedImage(const std::filesystem::path& path);

}  // namespace quellar::desktop
