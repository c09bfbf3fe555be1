# Writes a C++ source holding the bitmap files as byte arrays, for the platforms that have no
# resource compiler. Called as: cmake -DOUTPUT=<file.cpp> -DINPUTS="101=a.bmp;102=b.bmp" -P
set(body "")
set(cases "")
string(REPLACE "," ";" INPUTS "${INPUTS}")
foreach(entry IN LISTS INPUTS)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 id)
  list(GET pair 1 file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "constexpr std::uint8_t kBitmap${id}[] = {${bytes}};\n")
  string(APPEND cases "    case ${id}: return kBitmap${id};\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the bitmap files of resources/; do not edit.
#include \"resources/embedded.h\"

namespace quellar::resources {
namespace {
${body}}  // namespace

std::span<const std::uint8_t> EmbeddedBitmap(std::int16_t id) {
  switch (id) {
${cases}    default: return {};
  }
}

}  // namespace quellar::resources
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
