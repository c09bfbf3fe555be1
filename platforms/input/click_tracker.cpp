#include "platforms/input/click_tracker.h"

#include <cstdlib>

namespace quellar::input {
namespace {

constexpr std::uint32_t kDoubleClickMilliseconds = 500;
constexpr int kDoubleClickHalfBox = 2;

}  // namespace

bool ClickTracker::IsDoubleClick(unsigned int button, std::uint32_t milliseconds, int x, int y) {
  // The difference of two wrapping times survives the wrap.
  const bool isDouble = first_ && first_->button == button &&
                        milliseconds - first_->milliseconds <= kDoubleClickMilliseconds &&
                        std::abs(x - first_->x) <= kDoubleClickHalfBox &&
                        std::abs(y - first_->y) <= kDoubleClickHalfBox;
  if (isDouble) {
    first_.reset();
  } else {
    first_ = Press{button, milliseconds, x, y};
  }
  return isDouble;
}

}  // namespace quellar::input
