#pragma once
// The platform of a rain on a monitor other than the primary one. It follows the primary run:
// it is ticked by it and takes its settings from it, so it reads and writes no settings of its
// own, and its timers never run.

#include <map>

#include "platforms/monitors/area_platform.h"

namespace quellar::monitors {

// Answers every read "no such value" and takes every write without keeping it.
class NoSettings : public registry::RegistryApi {
 public:
  std::int32_t CreateKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                         registry::HKey& result) override;
  std::int32_t OpenKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                       registry::HKey& result) override;
  std::int32_t SetValue(registry::HKey, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override;
  std::int32_t QueryValue(registry::HKey, const std::string&, std::uint32_t&, std::uint8_t*,
                          std::uint32_t&) override;
  std::int32_t CloseKey(registry::HKey) override;
  bool FindOrdinaryFile(const std::string&) override { return false; }
};

class FollowerPlatform : public AreaPlatform {
 public:
  FollowerPlatform(Platform& inner, Rect area, Rect window) : AreaPlatform(inner) {
    Place(area, window);
  }

  registry::RegistryApi& Registry() override { return settings_; }
  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override {
    intervals_[timer] = milliseconds;
  }
  std::int32_t TimerInterval(TimerId timer) override { return intervals_[timer]; }
  void SetTimerEnabled(TimerId, bool) override {}

 private:
  NoSettings settings_;
  std::map<TimerId, std::int32_t> intervals_;
};

}  // namespace quellar::monitors
