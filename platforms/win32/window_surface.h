#pragma once
// What frmMain's window last showed, for repainting it: one presented area per back buffer (a
// run on several monitors presents one per monitor). A tick always ends by presenting what it
// drew, but a handler outside a tick (the on-screen display's timeout) may draw into the back
// buffer without presenting. Before the first such drawing the presented frame is copied aside,
// so that a repaint shows what was presented, never what only the back buffer holds. Ticks,
// the common case, copy nothing extra.

#include <windows.h>

#include <memory>
#include <vector>

#include "platforms/win32/gdi_handle.h"

namespace quellar::win32 {

class PresentedFrame {
 public:
  // `source`'s rectangle at (sourceX, sourceY) was copied to the window's `area`.
  void Presented(HDC source, RECT area, POINT sourceOrigin);
  // Called before anything draws into the memory device context `target`.
  void BeforeDrawingInto(HDC target);
  // `dc` is being deleted: it can no longer be repainted from.
  void Forget(HDC dc);
  // Copies the presented frames to `window`; nothing before the first presentation.
  void Repaint(HDC window) const;

  // Runs a tick's handler, which presents everything it draws before it returns.
  template <typename Handler>
  void DuringTick(Handler&& handler) {
    const bool outer = inTick_;
    inTick_ = true;
    struct Restore {
      bool& flag;
      bool value;
      ~Restore() { flag = value; }
    } restore{inTick_, outer};
    handler();
  }

 private:
  // One back buffer's area of the window.
  struct Area {
    HDC source = nullptr;
    RECT area{};
    POINT sourceOrigin{};
    bool savedAside = false;
    // The bitmap outlives the device context it is selected into.
    UniqueGdi<HBITMAP> savedBitmap;
    UniqueMemoryDc savedDc;
    SIZE savedSize{};

    void SaveAside();
    void Repaint(HDC window) const;
  };

  Area* AreaOf(HDC source);

  std::vector<std::unique_ptr<Area>> areas_;
  bool inTick_ = false;
};

}  // namespace quellar::win32
