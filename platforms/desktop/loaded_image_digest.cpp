#include "platforms/desktop/loaded_image_digest.h"

#include <link.h>  // ElfW: the ELF types of the class this program is built for
#include <sha2.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quellar::desktop {
namespace {

using Header = ElfW(Ehdr);
using Segment = ElfW(Phdr);
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

constexpr unsigned char kNativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kNativeByteOrder =
    std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
constexpr char kForeign[] = "is not a shared object of this machine";

LoadedImageDigest Refused(std::string problem) {
  return {"", std::move(problem)};
}

// The end of [offset, offset + length), saturated: garbage headers must not wrap around.
std::uint64_t EndOf(std::uint64_t offset, std::uint64_t length) {
  return length > std::numeric_limits<std::uint64_t>::max() - offset
             ? std::numeric_limits<std::uint64_t>::max()
             : offset + length;
}

std::string CutShort(std::uintmax_t size, std::uint64_t needed) {
  return "is cut short: " + std::to_string(size) + " bytes of the " + std::to_string(needed) +
         " the loader reads";
}

// Up to `count` values of T from `offset`: fewer where the file ends.
template <typename T>
std::vector<T> ReadArray(std::FILE* file, std::uint64_t offset, std::size_t count) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
      fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) {
    return {};
  }
  std::vector<T> values(count);
  values.resize(std::fread(values.data(), sizeof(T), count, file));
  return values;
}

// Headers in the layout this program reads: the only ones its dynamic loader maps.
bool IsNative(const Header& header) {
  return header.e_ident[EI_CLASS] == kNativeClass && header.e_ident[EI_DATA] == kNativeByteOrder &&
         header.e_phentsize == sizeof(Segment);
}

std::vector<Segment> Loadable(const std::vector<Segment>& table) {
  std::vector<Segment> loadable;
  std::ranges::copy_if(table, std::back_inserter(loadable),
                       [](const Segment& segment) { return segment.p_type == PT_LOAD; });
  return loadable;
}

std::uint64_t MappedEnd(const std::vector<Segment>& segments) {
  std::uint64_t end = 0;
  for (const Segment& segment : segments) {
    end = std::max(end, EndOf(segment.p_offset, segment.p_filesz));
  }
  return end;
}

// Stripping moves the section headers and drops some of them; these fields say where they are
// and how many, and nothing the loader maps depends on them.
Header WithoutSectionHeaders(Header header) {
  header.e_shoff = 0;
  header.e_shentsize = 0;
  header.e_shnum = 0;
  header.e_shstrndx = 0;
  return header;
}

// The digest's header over the part of a chunk read at file offset `at` that it covers.
void OverlayHeader(const Header& header, std::uint64_t at, std::span<char> chunk) {
  if (at >= sizeof header) return;
  const auto* bytes = reinterpret_cast<const char*>(&header);
  std::memcpy(chunk.data(), bytes + at, std::min<std::size_t>(chunk.size(), sizeof header - at));
}

// False when the file ends before the segment does.
bool HashSegment(std::FILE* file, const Segment& segment, const Header& header, SHA2_CTX& context) {
  if (fseeko(file, static_cast<off_t>(segment.p_offset), SEEK_SET) != 0) return false;
  std::array<char, 16384> chunk;
  for (std::uint64_t at = segment.p_offset, end = at + segment.p_filesz; at < end;) {
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(end - at, chunk.size()));
    if (std::fread(chunk.data(), 1, length, file) != length) return false;
    OverlayHeader(header, at, {chunk.data(), length});
    SHA256Update(&context, reinterpret_cast<const std::uint8_t*>(chunk.data()), length);
    at += length;
  }
  return true;
}

std::optional<std::string> Sha256(std::FILE* file, const Header& header,
                                  const std::vector<Segment>& segments) {
  const Header digested = WithoutSectionHeaders(header);
  SHA2_CTX context;
  SHA256Init(&context);
  for (const Segment& segment : segments) {
    if (!HashSegment(file, segment, digested, context)) return std::nullopt;
  }
  std::array<char, SHA256_DIGEST_STRING_LENGTH> hex{};
  SHA256End(&context, hex.data());
  return hex.data();
}

}  // namespace

LoadedImageDigest DigestLoadedImage(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  const File file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (error || !file) return Refused("cannot be read");
  const std::vector<char> start = ReadArray<char>(file.get(), 0, sizeof(Header));
  if (!std::string_view(start.data(), start.size()).starts_with(ELFMAG)) return Refused(kForeign);
  if (start.size() < sizeof(Header)) return Refused(CutShort(size, sizeof(Header)));
  Header header;
  std::memcpy(&header, start.data(), sizeof header);
  if (!IsNative(header)) return Refused(kForeign);
  const auto table = ReadArray<Segment>(file.get(), header.e_phoff, header.e_phnum);
  if (table.size() < header.e_phnum) {
    return Refused(CutShort(size, EndOf(header.e_phoff, header.e_phnum * sizeof(Segment))));
  }
  const std::vector<Segment> segments = Loadable(table);
  const std::uint64_t mappedEnd = MappedEnd(segments);
  if (mappedEnd > size) return Refused(CutShort(size, mappedEnd));
  std::optional<std::string> digest = Sha256(file.get(), header, segments);
  if (!digest) return Refused("cannot be read");
  return {std::move(*digest), ""};
}

}  // namespace quellar::desktop
