#pragma once
// The rain on every monitor. The primary monitor's engine is the run: it reads the command
// line, takes the input, shows the overlays, stores the settings and ends the process. Every
// other monitor gets an engine of its own that follows it: the primary's timer ticks it, the
// primary's settings are its settings, and the failure sequence freezes it. Each engine sizes
// its columns, rows and chains to its own monitor, so a monitor's rain is as dense as a run on
// that monitor alone, and one monitor runs exactly as if there were no others.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/engine.h"
#include "platforms/monitors/area_platform.h"
#include "platforms/monitors/follower_platform.h"
#include "platforms/monitors/monitor_layout.h"

namespace quellar::monitors {

class MonitorRun {
 public:
  MonitorRun(Platform& platform, MonitorSource& monitors, std::uint64_t seed);
  MonitorRun(const MonitorRun&) = delete;
  MonitorRun& operator=(const MonitorRun&) = delete;

  engine::Engine& Primary() { return primary_; }
  const engine::Engine& Primary() const { return primary_; }
  std::size_t Followers() const { return followers_.size(); }
  const engine::Engine& FollowerEngine(std::size_t index) const {
    return followers_[index]->engine;
  }

  // The program's entry; a full-screen run then covers the other monitors.
  void Main();
  // Timer1 of the window.
  void Tick();
  // After input: the hotkeys may have changed what the followers take from the primary.
  void FollowSettings();
  // The monitors were added, removed or moved: the window and the rain cover them again. A
  // monitor that is still there keeps its engine, frozen or not; a new one starts black.
  void MonitorsChanged();

 private:
  struct Follower {
    Rect monitor;  // on the desktop
    FollowerPlatform platform;
    engine::Engine engine;
    Follower(Platform& inner, Rect onDesktop, Rect area, Rect window, std::uint64_t seed)
        : monitor(onDesktop), platform(inner, area, window), engine(platform, seed) {}
  };

  void PlacePrimary();
  // Gives every monitor but the primary a follower, keeping those of monitors still there.
  void CoverOthers();
  std::unique_ptr<Follower> StartFollower(Rect monitor);
  void Release(Follower& follower);
  Rect InWindow(Rect monitor) const;
  std::vector<Rect> UncoveredAreas() const;

  Platform& platform_;
  MonitorSource& monitors_;
  AreaPlatform primaryPlatform_;
  engine::Engine primary_;
  std::uint64_t nextSeed_;
  MonitorLayout layout_;
  std::vector<std::unique_ptr<Follower>> followers_;
};

}  // namespace quellar::monitors
