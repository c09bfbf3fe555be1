#pragma once
// How frames reach frmMain's window, and what it shows for a repaint: one presented area per
// back buffer (a run on several monitors presents one per monitor).
//
// A back buffer keeps the boxes written into it since its last presentation, and presenting it
// again copies only those, the touching boxes of a column made one, as the X11 window sends
// them: a tick of rain changes a few cells per column, about 4% of a frame. A presentation
// copies the whole area when the window may show anything else there: the first one, and the
// first after the window was placed, sized or given a parent, or after another back buffer was
// presented over it.
//
// A repaint shows the frame last presented. A tick always ends by presenting what it drew, but
// a handler outside a tick (the on-screen display's timeout) may draw into the back buffer
// without presenting: before the first such drawing the presented frame is copied aside, so
// that a repaint shows what was presented, never what only the back buffer holds. Ticks, the
// common case, copy nothing extra.

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "platforms/softgdi/damage.h"
#include "platforms/softgdi/tick_state.h"
#include "platforms/win32/gdi_handle.h"
#include "platforms/win32/pixel_copies.h"

namespace quellar::win32 {

class WindowSurface {
 public:
  // A presentation copies at most the boxes a back buffer's damage keeps: with room for them
  // from the start, presenting allocates nothing.
  explicit WindowSurface(PixelCopies& copies) : copies_(copies) {
    requests_.reserve(softgdi::Damage::kMaxBoxes);
  }

  // Called before anything writes `box` of the memory device context `target`.
  void Writing(HDC target, RECT box);
  // Copies `source`'s pixels at `sourceOrigin` to `area` of `window`: what changed in them
  // since `source` was last presented there, or all of them.
  bool Present(HDC window, RECT area, HDC source, POINT sourceOrigin, DWORD rop);
  // The window was placed, sized or given another parent: what it shows is copied whole again.
  void WindowChanged();
  // `dc` is being deleted: it can no longer be repainted from.
  void Forget(HDC dc);
  // Copies the presented frames to `window`; nothing before the first presentation.
  void Repaint(HDC window);

  // Runs Timer1's handler as a tick, which presents everything it draws before it returns.
  template <typename Handler>
  void DuringTick(Handler&& handler) {
    tick_.Run(std::forward<Handler>(handler));
  }

 private:
  // One back buffer's area of the window.
  struct Area {
    HDC source = nullptr;
    RECT area{};
    POINT sourceOrigin{};
    // The window shows this area as last presented, so only what changed need be copied.
    bool shown = false;
    // In the back buffer's coordinates: written since the last presentation.
    softgdi::Damage unpresented;
    bool savedAside = false;
    // The bitmap outlives the device context it is selected into.
    UniqueGdi<HBITMAP> savedBitmap;
    UniqueMemoryDc savedDc;
    SIZE savedSize{};

    bool IsAt(RECT at, POINT origin) const;
    void SaveAside(PixelCopies& copies);
    void Repaint(HDC window, PixelCopies& copies) const;
  };

  Area* AreaOf(HDC source);
  bool CopyChanges(HDC window, const Area& area, DWORD rop);

  PixelCopies& copies_;
  std::vector<std::unique_ptr<Area>> areas_;
  std::vector<softgdi::Box> requests_;  // for every presentation
  softgdi::TickState tick_;
};

}  // namespace quellar::win32
