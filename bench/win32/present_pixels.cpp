// The pixels Quellar.scr copies to its window per tick of rain, beside the pixels of the cells
// the ticks draw, both counted at the Win32 platform's own BitBlt calls and clipped to the
// bitmap or window they land in. Run under Wine as `present_pixels /s`, with the screen's size
// from QUELLAR_MONITORS and the stored settings the run should have (random deleting on, say):
// it starts the run as Quellar.scr does, lets the rain fill the screen, then delivers 1000
// Timer1 messages to the window, one after another, and prints the counts of those ticks: the
// pixels, the allocations they made (none, once the rain is warm), the copies to the window per
// tick and the time a tick took. That time leaves out Wine's flushes of the window to the X
// server, which come when a program waits for messages. The figures: scripts/present-pixels.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "bench/allocation_count.h"
#include "engine/engine.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/win32/run_end.h"
#include "platforms/win32/win32_platform.h"
#include "platforms/win32/window_timers.h"

namespace {

using namespace quellar;

constexpr int kWarmUpTicks = 2000;  // a 2160-row screen fills in about 1200
constexpr int kCountedTicks = 1000;

// The part of `width` x `height` at (x, y) inside a `limit`-sized area at the origin.
std::uint64_t ClippedPixels(int x, int y, int width, int height, SIZE limit) {
  RECT box{x, y, x + width, y + height};
  const RECT bounds{0, 0, limit.cx, limit.cy};
  if (!IntersectRect(&box, &box, &bounds)) return 0;
  return static_cast<std::uint64_t>(box.right - box.left) *
         static_cast<std::uint64_t>(box.bottom - box.top);
}

// The size of `window`'s client area, or else of the bitmap selected into `dc`.
SIZE SizeOf(HDC dc, HWND window) {
  if (window != nullptr) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
  }
  BITMAP bitmap{};
  GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

class CountingCopies final : public win32::PixelCopies {
 public:
  bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
              int sourceY, DWORD rop) override {
    const HWND window = WindowFromDC(destination);
    const std::uint64_t pixels = ClippedPixels(x, y, width, height, SizeOf(destination, window));
    if (window == nullptr) {
      drawn += pixels;
    } else {
      toWindow += pixels;
      ++windowCalls;
    }
    return win32::SystemPixelCopies().BitBlt(destination, x, y, width, height, source, sourceX,
                                             sourceY, rop);
  }

  std::uint64_t toWindow = 0;
  std::uint64_t drawn = 0;
  std::uint64_t windowCalls = 0;
};

void Tick(HWND window) {
  SendMessageW(window, WM_TIMER, win32::WindowTimers::EventIdOf(TimerId::Timer1), 0);
}

}  // namespace

int main() {
  win32::RunEnd runEnd;
  CountingCopies copies;
  win32::Win32Platform platform(GetModuleHandleW(nullptr), runEnd, copies);
  monitors::MonitorRun run(platform, platform, 7);
  FrmMain form(run, platform);
  FrmMainEvents events(form, platform.TickRunner());
  platform.Attach(events);
  runEnd.Guard([&] { run.Main(); });
  const auto window = reinterpret_cast<HWND>(platform.MainWindow());
  if (runEnd.Ended() || run.Primary().state.runMode != engine::kRunFullScreen) {
    std::fprintf(stderr, "present_pixels: no full-screen run (%s)\n", runEnd.Error().c_str());
    return 1;
  }
  for (int tick = 0; tick < kWarmUpTicks; ++tick) Tick(window);
  copies = {};
  const std::uint64_t allocationsBefore = bench::Allocations();
  const auto start = std::chrono::steady_clock::now();
  for (int tick = 0; tick < kCountedTicks; ++tick) Tick(window);
  const std::chrono::duration<double, std::micro> elapsed =
      std::chrono::steady_clock::now() - start;
  const std::uint64_t allocations = bench::Allocations() - allocationsBefore;
  RECT client{};
  GetClientRect(window, &client);
  const std::uint64_t whole =
      ClippedPixels(0, 0, client.right, client.bottom, {client.right, client.bottom}) *
      kCountedTicks;
  std::printf(
      "%ldx%ld ticks %d drawn %llu presented %llu whole %llu allocations %llu calls %.1f us %.0f\n",
      client.right, client.bottom, kCountedTicks, static_cast<unsigned long long>(copies.drawn),
      static_cast<unsigned long long>(copies.toWindow), static_cast<unsigned long long>(whole),
      static_cast<unsigned long long>(allocations),
      static_cast<double>(copies.windowCalls) / kCountedTicks, elapsed.count() / kCountedTicks);
  platform.RestoreDesktop();
  return 0;
}
