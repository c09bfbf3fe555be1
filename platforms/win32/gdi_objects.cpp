#include "platforms/win32/gdi_objects.h"

#include <string>

#include "engine/runtime_error.h"
#include "platforms/win32/win32_handles.h"

namespace quellar::win32 {

namespace {

void ClearToBlack(HDC compatibleWith, HBITMAP bitmap, int width, int height) {
  const HDC dc = ::CreateCompatibleDC(compatibleWith);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, width, height, BLACKNESS);
  SelectObject(dc, previous);
  ::DeleteDC(dc);
}

}  // namespace

// Device contexts go first, so that no bitmap is still selected when it is deleted.
GdiObjects::~GdiObjects() {
  for (const HDC dc : dcs_) ::DeleteDC(dc);
  for (const HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
}

HDC GdiObjects::CreateCompatibleDC(HDC dc) {
  const HDC created = ::CreateCompatibleDC(dc);
  if (created != nullptr) dcs_.push_back(created);
  return created;
}

HBITMAP GdiObjects::CreateCompatibleBitmap(HDC dc, int width, int height) {
  const HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
  if (bitmap == nullptr) return nullptr;
  ClearToBlack(dc, bitmap, width, height);
  bitmaps_.push_back(bitmap);
  return bitmap;
}

HBITMAP GdiObjects::LoadBitmapResource(HINSTANCE module, std::int16_t id) {
  const HANDLE image = LoadImageA(module, ResourceIdA(static_cast<WORD>(id)), IMAGE_BITMAP, 0, 0,
                                  LR_CREATEDIBSECTION);
  if (image == nullptr) {
    throw RuntimeError("bitmap resource " + std::to_string(id) + " cannot be loaded");
  }
  bitmaps_.push_back(static_cast<HBITMAP>(image));
  return static_cast<HBITMAP>(image);
}

bool GdiObjects::DeleteDC(HDC dc) {
  std::erase(dcs_, dc);
  return ::DeleteDC(dc) != FALSE;
}

}  // namespace quellar::win32
