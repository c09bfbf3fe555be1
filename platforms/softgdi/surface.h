#pragma once
// A pixel surface: 32-bit XRGB pixels (0x00RRGGBB) in top-down rows. A surface owns its pixels,
// or uses those of a PixelStore: memory a display server reads as well, say.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace quellar::softgdi {

using Pixel = std::uint32_t;

constexpr Pixel Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (Pixel{red} << 16) | (Pixel{green} << 8) | Pixel{blue};
}

// A rectangle of pixels: x, y, width, height.
struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Box&) const = default;
};

// Pixels a surface uses without owning them. Whoever made them hears of every write before it
// is made: someone else may still be reading them, or want what is about to be overwritten.
class PixelStore {
 public:
  virtual ~PixelStore() = default;
  virtual std::span<Pixel> Pixels() = 0;  // width * height of the surface
  // `box`, inside the surface, is about to be written.
  virtual void BeforeWrite(Box box) = 0;
};

class Surface {
 public:
  std::int32_t width = 0;
  std::int32_t height = 0;

  Surface() = default;
  // Pixels of its own, zero (black).
  Surface(std::int32_t w, std::int32_t h);
  // The store's width * height pixels, as they are.
  Surface(std::int32_t w, std::int32_t h, std::unique_ptr<PixelStore> store);
  // A copy owns its pixels: a picture of the surface as it is now.
  Surface(const Surface& other);
  Surface& operator=(const Surface& other);
  Surface(Surface&&) noexcept = default;
  Surface& operator=(Surface&&) noexcept = default;
  ~Surface() = default;

  std::span<Pixel> Pixels() { return store_ ? store_->Pixels() : std::span<Pixel>(owned_); }
  std::span<const Pixel> Pixels() const {
    return store_ ? store_->Pixels() : std::span<const Pixel>(owned_);
  }
  // Null for a surface that owns its pixels.
  const PixelStore* Store() const { return store_.get(); }
  void BeforeWrite(Box box) {
    if (store_) store_->BeforeWrite(box);
  }
  Pixel At(std::int32_t x, std::int32_t y) const;
  Pixel& At(std::int32_t x, std::int32_t y);

 private:
  std::vector<Pixel> owned_;
  std::unique_ptr<PixelStore> store_;
};

// Copies `height` rows of `width` pixels, each read whole before it is written; the strides are
// the rows' distances in pixels.
void CopyRows(const Pixel* from, std::ptrdiff_t fromStride, Pixel* to, std::ptrdiff_t toStride,
              std::int32_t width, std::int32_t height);

// Copies `width` x `height` pixels from (sourceX, sourceY) of `source` to (x, y) of
// `destination`, clipped to both surfaces. Returns the destination box actually written.
Box CopyPixels(Surface& destination, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height, const Surface& source, std::int32_t sourceX,
               std::int32_t sourceY);

}  // namespace quellar::softgdi
