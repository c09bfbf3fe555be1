#pragma once
// The device contexts and bitmaps made through the port. The engine deletes its device
// contexts at the end of a full-screen run, and a monitor's engine those of its monitor when
// the monitor goes; a bitmap goes with the device context it was selected into, as nothing
// selects it again. Whatever is still alive when the platform goes (a preview ended by its
// host, a failed run) is released here.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace quellar::win32 {

class GdiObjects {
 public:
  GdiObjects() = default;
  GdiObjects(const GdiObjects&) = delete;
  GdiObjects& operator=(const GdiObjects&) = delete;
  ~GdiObjects();

  HDC CreateCompatibleDC(HDC dc);
  // Cleared to black: the rain assumes a new surface is all zero.
  HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
  // Bitmap resource `id` of `module`; a RuntimeError naming it when it cannot be loaded.
  HBITMAP LoadBitmapResource(HINSTANCE module, std::int16_t id);
  HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
  // Deletes `dc`, and the bitmap of ours selected into it.
  bool DeleteDC(HDC dc);

 private:
  struct Selection {
    HDC dc;
    HBITMAP bitmap;
  };

  std::vector<HDC> dcs_;
  std::vector<HBITMAP> bitmaps_;
  std::vector<Selection> selections_;
};

}  // namespace quellar::win32
