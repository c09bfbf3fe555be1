#include "platforms/monitors/monitor_run.h"

#include <algorithm>

namespace quellar::monitors {
namespace {

bool Same(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool Same(const MonitorLayout& a, const MonitorLayout& b) {
  return Same(a.bounds, b.bounds) && Same(a.primary, b.primary) &&
         std::equal(a.others.begin(), a.others.end(), b.others.begin(), b.others.end(),
                    [](const Rect& x, const Rect& y) { return Same(x, y); });
}

// Strips narrower than a cell could hold no whole column or row of rain.
constexpr std::int32_t kNarrowest = 16;
constexpr std::int32_t kShortest = 20;

// Spreads the engines' seeds apart (the golden-ratio increment).
constexpr std::uint64_t kSeedStep = 0x9E3779B97F4A7C15u;

}  // namespace

MonitorRun::MonitorRun(Platform& platform, MonitorSource& monitors, std::uint64_t seed)
    : platform_(platform),
      monitors_(monitors),
      primaryPlatform_(platform, [this] { PlacePrimary(); }),
      primary_(primaryPlatform_, seed),
      nextSeed_(seed) {}

void MonitorRun::Main() {
  primary_.Main();
  if (primaryPlatform_.Placed()) CoverOthers();
}

void MonitorRun::Tick() {
  primary_.Tick();
  if (primary_.state.failPhase != 0) return;
  for (const auto& follower : followers_) follower->engine.Tick();
}

void MonitorRun::FollowSettings() {
  for (const auto& follower : followers_) follower->engine.FollowSettingsOf(primary_);
}

void MonitorRun::MonitorsChanged() {
  if (!primaryPlatform_.Placed()) return;
  MonitorLayout layout = ArrangeMonitors(monitors_.Monitors());
  // With every monitor gone for a moment the window keeps covering what it covered.
  if (layout.others.empty() && Width(layout.primary) == 0) return;
  if (Same(layout, layout_)) return;
  layout_ = std::move(layout);
  const Rect& bounds = layout_.bounds;
  primaryPlatform_.Place(InWindow(layout_.primary), bounds);
  platform_.SetWindowPos(platform_.MainWindow(), kHwndTopmost, bounds.left, bounds.top,
                         Width(bounds), Height(bounds), kSwpShowWindow);
  CoverOthers();
  // Each shows its frame at its place: a follower's back buffer only changes in a tick, which
  // presents it, so a frozen one shows its frozen frame and a new one black.
  primary_.Present();
  for (const auto& follower : followers_) follower->engine.Present();
}

// Runs when the primary engine first asks for the screen's size. A platform that knows of no
// monitor leaves the engine its own idea of the screen.
void MonitorRun::PlacePrimary() {
  layout_ = ArrangeMonitors(monitors_.Monitors());
  if (Width(layout_.primary) == 0) return;
  primaryPlatform_.Place(InWindow(layout_.primary), layout_.bounds);
}

// Every area gets a follower: the one it had, placed again in the window, or a new one. The
// followers of areas that went are released.
void MonitorRun::CoverOthers() {
  std::vector<std::unique_ptr<Follower>> covering;
  for (const Rect& area : UncoveredAreas()) {
    const auto had = std::find_if(followers_.begin(), followers_.end(), [&](const auto& follower) {
      return follower && Same(follower->monitor, area);
    });
    if (had == followers_.end()) {
      covering.push_back(StartFollower(area));
    } else {
      (*had)->platform.Place(InWindow(area), layout_.bounds);
      covering.push_back(std::move(*had));
    }
  }
  for (const auto& gone : followers_) {
    if (gone) Release(*gone);
  }
  followers_ = std::move(covering);
  FollowSettings();
}

std::unique_ptr<MonitorRun::Follower> MonitorRun::StartFollower(Rect monitor) {
  nextSeed_ += kSeedStep;
  auto follower =
      std::make_unique<Follower>(platform_, monitor, InWindow(monitor), layout_.bounds, nextSeed_);
  follower->engine.StartFollower();
  return follower;
}

void MonitorRun::Release(Follower& follower) {
  follower.engine.ReleaseDrawingObjects();
}

Rect MonitorRun::InWindow(Rect monitor) const {
  const Rect& bounds = layout_.bounds;
  return Rect{monitor.left - bounds.left, monitor.top - bounds.top, monitor.right - bounds.left,
              monitor.bottom - bounds.top};
}

// Every monitor but the primary, and the parts of the primary monitor that the primary
// engine's surface, sized when the run started, does not reach (the monitor grew since).
std::vector<Rect> MonitorRun::UncoveredAreas() const {
  std::vector<Rect> areas = layout_.others;
  const Rect& primary = layout_.primary;
  const std::int32_t right = primary.left + primary_.state.surfaceWidth;
  const std::int32_t bottom = primary.top + primary_.state.surfaceHeight;
  if (primary.right - right >= kNarrowest) {
    areas.push_back(Rect{right, primary.top, primary.right, primary.bottom});
  }
  if (primary.bottom - bottom >= kShortest) {
    areas.push_back(Rect{primary.left, bottom, std::min(right, primary.right), primary.bottom});
  }
  return areas;
}

}  // namespace quellar::monitors
