#include "tools/render/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace quellar::render {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Owns libpng's write and info structures.
class PngWrite {
 public:
  PngWrite() : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngWrite() { png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr); }
  PngWrite(const PngWrite&) = delete;
  PngWrite& operator=(const PngWrite&) = delete;

  bool Ready() const { return png_ != nullptr && info_ != nullptr; }
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

std::vector<png_byte> RgbRows(const softgdi::Surface& surface) {
  std::vector<png_byte> rgb;
  rgb.reserve(surface.Pixels().size() * 3);
  for (const softgdi::Pixel p : surface.Pixels()) {
    rgb.push_back(static_cast<png_byte>(p >> 16));
    rgb.push_back(static_cast<png_byte>(p >> 8));
    rgb.push_back(static_cast<png_byte>(p));
  }
  return rgb;
}

// libpng reports errors by longjmp, so this function holds no object with a destructor.
bool Encode(PngWrite& write, std::FILE* file, std::uint32_t width, std::uint32_t height,
            png_bytepp rows) {
  if (setjmp(png_jmpbuf(write.Png())) != 0) return false;
  png_init_io(write.Png(), file);
  png_set_IHDR(write.Png(), write.Info(), width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(write.Png(), write.Info());
  png_write_image(write.Png(), rows);
  png_write_end(write.Png(), nullptr);
  return true;
}

}  // namespace

std::string WritePng(const softgdi::Surface& surface, const std::string& file) {
  if (surface.width <= 0 || surface.height <= 0) return file + ": the picture is empty";
  const std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
  if (!out) return file + ": " + std::strerror(errno);
  std::vector<png_byte> rgb = RgbRows(surface);
  std::vector<png_bytep> rows(static_cast<std::size_t>(surface.height));
  for (std::size_t y = 0; y < rows.size(); ++y) {
    rows[y] = rgb.data() + y * static_cast<std::size_t>(surface.width) * 3;
  }
  PngWrite write;
  if (!write.Ready() || !Encode(write, out.get(), static_cast<std::uint32_t>(surface.width),
                                static_cast<std::uint32_t>(surface.height), rows.data())) {
    return file + ": the PNG could not be written";
  }
  if (std::fflush(out.get()) != 0 || std::ferror(out.get()) != 0) {
    return file + ": " + std::strerror(errno);
  }
  return {};
}

}  // namespace quellar::render
