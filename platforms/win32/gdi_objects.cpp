#include "platforms/win32/gdi_objects.h"

#include <algorithm>
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

HGDIOBJ GdiObjects::SelectObject(HDC dc, HGDIOBJ object) {
  const HGDIOBJ previous = ::SelectObject(dc, object);
  if (previous == nullptr) return previous;
  std::erase_if(selections_, [dc](const Selection& selection) { return selection.dc == dc; });
  const auto bitmap = static_cast<HBITMAP>(object);
  if (std::find(bitmaps_.begin(), bitmaps_.end(), bitmap) != bitmaps_.end()) {
    selections_.push_back({dc, bitmap});
  }
  return previous;
}

bool GdiObjects::DeleteDC(HDC dc) {
  std::erase(dcs_, dc);
  const bool deleted = ::DeleteDC(dc) != FALSE;
  for (const Selection& selection : selections_) {
    if (selection.dc != dc) continue;
    DeleteObject(selection.bitmap);
    std::erase(bitmaps_, selection.bitmap);
  }
  std::erase_if(selections_, [dc](const Selection& selection) { return selection.dc == dc; });
  return deleted;
}

}  // namespace quellar::win32
