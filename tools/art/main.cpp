// quellar-art <directory>: draws the program's bitmap resources and icon from Debian fonts
// into <directory> (normally resources/) and lists what it wrote. The same fonts give the same
// bytes on every run, so regenerating shows up in version control only when the art changed.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/art/banner.h"
#include "tools/art/bmp_file.h"
#include "tools/art/font_face.h"
#include "tools/art/framed_panels.h"
#include "tools/art/glyph_sheet.h"
#include "tools/art/osd_font.h"
#include "tools/art/program_icon.h"

namespace quellar::art {
namespace {

struct Output {
  std::string fileName;  // relative to the output directory
  std::string description;
  std::function<std::vector<std::uint8_t>(const FontLibrary&)> draw;
};

std::function<std::vector<std::uint8_t>(const FontLibrary&)> AsBmp(
    Image (*draw)(const FontLibrary&)) {
  return [draw](const FontLibrary& library) { return EncodeBmp(draw(library)); };
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

int Run(const std::filesystem::path& directory) {
  std::vector<Output> outputs{
      {"glyphs.bmp", "glyph sheet (bitmap 101)", AsBmp(DrawGlyphSheet)},
      {"failbox.bmp", "failure box (bitmap 102)", AsBmp(DrawFailureBox)},
      {"osdfont.bmp", "on-screen display font (bitmap 103)", AsBmp(DrawOsdFont)},
      {"help.bmp", "help panel (bitmap 104)", AsBmp(DrawHelpPanel)},
      {"banner.bmp", "dialog banner (bitmap 105)", AsBmp(DrawBanner)},
      {"quellar.ico", "program icon, 16/24/32 pixels in 16 colours",
       [](const FontLibrary&) { return DrawProgramIcon(); }},
  };
  // Laid out as the hicolor icon theme is, so that installing them is one directory copy.
  for (const int size : kThemeIconSizes) {
    const std::string square = std::to_string(size) + "x" + std::to_string(size);
    outputs.push_back({"hicolor/" + square + "/apps/quellar.png",
                       "program icon, " + square + " pixels with alpha, for icon themes",
                       [size](const FontLibrary&) { return DrawThemeIcon(size); }});
  }
  const FontLibrary library;
  for (const Output& output : outputs) {
    const std::filesystem::path path = directory / output.fileName;
    const std::vector<std::uint8_t> bytes = output.draw(library);
    WriteFile(path, bytes);
    std::printf("wrote %s: %s, %zu bytes\n", path.string().c_str(), output.description.c_str(),
                bytes.size());
  }
  return 0;
}

}  // namespace
}  // namespace quellar::art

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory, normally resources/>\n", argv[0]);
    return 2;
  }
  try {
    return quellar::art::Run(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quellar-art: %s\n", error.what());
    return 1;
  }
}
