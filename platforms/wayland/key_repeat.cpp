#include "platforms/wayland/key_repeat.h"

namespace quellar::wayland {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

}  // namespace

void KeyRepeat::SetRate(std::int32_t perSecond, std::int32_t delayMilliseconds) {
  perSecond_ = perSecond > 0 ? perSecond : 0;
  delay_ = std::int64_t{delayMilliseconds > 0 ? delayMilliseconds : 0} * kNanosecondsPerMillisecond;
  if (perSecond_ == 0) held_.reset();
}

void KeyRepeat::Pressed(std::uint32_t key, std::uint32_t keysym, std::int64_t now) {
  if (perSecond_ == 0) return;
  held_ = Held{key, keysym, now + delay_};
}

void KeyRepeat::Released(std::uint32_t key) {
  if (held_ && held_->key == key) held_.reset();
}

std::optional<std::uint32_t> KeyRepeat::TakeDue(std::int64_t now) {
  if (!held_ || now < held_->next) return std::nullopt;
  held_->next += kNanosecondsPerSecond / perSecond_;
  return held_->keysym;
}

std::optional<std::int64_t> KeyRepeat::NextDue() const {
  if (!held_) return std::nullopt;
  return held_->next;
}

}  // namespace quellar::wayland
