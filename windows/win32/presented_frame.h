#pragma once
// What frmMain's window last showed, for repainting it. A tick always ends by presenting what
// it drew, but a handler outside a tick (the on-screen display's timeout) may draw into the back
// buffer without presenting. Before the first such drawing the presented frame is copied aside,
// so that a repaint shows what was presented, never what only the back buffer holds. Ticks,
// the common case, copy nothing extra.

#include <windows.h>

#include "windows/win32/gdi_handle.h"

namespace quellar::win32 {

class PresentedFrame {
 public:
  // `source`'s rectangle at (sourceX, sourceY) was copied to the window's `area`.
  void Presented(HDC source, RECT area, POINT sourceOrigin);
  // Called before anything draws into the memory device context `target`.
  void BeforeDrawingInto(HDC target);
  // `dc` is being deleted: it can no longer be repainted from.
  void Forget(HDC dc);
  // Copies the presented frame to `window`; nothing before the first presentation.
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
  void SaveAside();

  HDC source_ = nullptr;
  RECT area_{};
  POINT sourceOrigin_{};
  bool inTick_ = false;
  bool savedAside_ = false;
  // The bitmap outlives the device context it is selected into.
  UniqueGdi<HBITMAP> savedBitmap_;
  UniqueMemoryDc savedDc_;
  SIZE savedSize_{};
};

}  // namespace quellar::win32
