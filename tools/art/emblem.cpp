#include "tools/art/emblem.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/art/colours.h"
#include "tools/art/shapes.h"

namespace quellar::art {
namespace {

// A streak in units of the radius, y downwards from the centre.
struct Streak {
  double x;
  double top;
  double bottom;
};

constexpr std::array<Streak, 3> kStreaks{
    {{-0.42, -0.75, 0.25}, {0.0, -0.92, 0.62}, {0.42, -0.60, 0.45}}};
constexpr double kStreakHalfWidth = 0.11;

bool InCircle(double x, double y, const EmblemPlacement& at, double radius) {
  const double dx = x - at.centreX;
  const double dy = y - at.centreY;
  return dx * dx + dy * dy <= radius * radius;
}

// `from` at 0, `to` at 1.
Rgb Lerp(Rgb from, Rgb to, double t) {
  return Blend(from, to, static_cast<std::uint8_t>(std::lround(std::clamp(t, 0.0, 1.0) * 255)));
}

// From black at the top of a streak through the tail and body shades to the head at the
// bottom, so the streaks read as falling.
Rgb StreakColour(double t) {
  constexpr double kTailAt = 0.45;
  constexpr double kBodyAt = 0.8;
  if (t < kTailAt) return Lerp(kBlack, kTailGreen, t / kTailAt);
  if (t < kBodyAt) return Lerp(kTailGreen, kBodyGreen, (t - kTailAt) / (kBodyAt - kTailAt));
  return Lerp(kBodyGreen, kHeadGreen, (t - kBodyAt) / (1.0 - kBodyAt));
}

void PaintStreak(Image& image, const EmblemPlacement& at, const Streak& streak) {
  const double r = at.radius;
  // Whole-pixel edges keep the streaks sharp, which matters most at icon sizes.
  const double width = std::max(1.0, std::round(2 * kStreakHalfWidth * r));
  const double left = std::round(at.centreX + streak.x * r - width / 2);
  const RoundedRect bar{left, at.centreY + streak.top * r, left + width,
                        at.centreY + streak.bottom * r, width / 2};
  const Coverage mask = Rasterize(image.Width(), image.Height(), [&](double x, double y) {
    return bar.Contains(x, y) && InCircle(x, y, at, r - at.ringWidth);
  });
  for (int y = 0; y < image.Height(); ++y) {
    const double t = std::clamp((y + 0.5 - bar.top) / (bar.bottom - bar.top), 0.0, 1.0);
    for (int x = 0; x < image.Width(); ++x) {
      if (mask.At(x, y) == 0) continue;
      image.Set(x, y, Blend(image.At(x, y), StreakColour(t), mask.At(x, y)));
    }
  }
}

}  // namespace

Coverage EmblemDisc(int width, int height, const EmblemPlacement& placement) {
  return Rasterize(width, height,
                   [&](double x, double y) { return InCircle(x, y, placement, placement.radius); });
}

void PaintEmblem(Image& image, const EmblemPlacement& placement) {
  const Coverage ring = Rasterize(image.Width(), image.Height(), [&](double x, double y) {
    return InCircle(x, y, placement, placement.radius) &&
           !InCircle(x, y, placement, placement.radius - placement.ringWidth);
  });
  image.Paint(ring, 0, 0, kFrameGreen);
  for (const Streak& streak : kStreaks) PaintStreak(image, placement, streak);
}

std::array<Rgb, 16> EmblemPalette() {
  std::array<Rgb, 16> palette{};
  std::size_t next = 1;
  for (int step = 1; step <= 4; ++step) palette[next++] = Lerp(kBlack, kFrameGreen, step / 4.0);
  for (int step = 1; step <= 11; ++step) palette[next++] = StreakColour(step / 11.0);
  return palette;
}

}  // namespace quellar::art
