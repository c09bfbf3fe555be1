#pragma once
// Pixel planes the art is composed in: colour images and 8-bit coverage masks. Everything is
// painted as ink times coverage, so a glyph keeps one shape whatever colour it is drawn in.

#include <cstdint>
#include <optional>
#include <vector>

namespace quellar::art {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};

// The smallest rectangle holding every marked pixel; right and bottom are exclusive.
struct Bounds {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// How much of each pixel a shape covers, 0 (not at all) to 255 (fully).
class Coverage {
 public:
  Coverage() = default;
  Coverage(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint8_t At(int x, int y) const { return values_[Index(x, y)]; }
  void Set(int x, int y, std::uint8_t value) { values_[Index(x, y)] = value; }
  // Keeps the larger value, so overlapping strokes do not darken each other.
  void Merge(const Coverage& other, int x, int y);
  Coverage MirroredHorizontally() const;
  std::optional<Bounds> InkBounds() const;

 private:
  std::size_t Index(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> values_;
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }
  // Blends `ink` over the image where `mask`, placed with its corner at (x, y), covers it;
  // parts outside the image are dropped.
  void Paint(const Coverage& mask, int x, int y, Rgb ink);
  friend bool operator==(const Image&, const Image&) = default;

 private:
  std::size_t Index(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

// `ink` over `under` at a coverage of 0-255, rounded to the nearest level.
Rgb Blend(Rgb under, Rgb ink, std::uint8_t coverage);

}  // namespace quellar::art
