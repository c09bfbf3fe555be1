// The drawing half of the port: gdi32 calls passed through, with the objects they make
// tracked so that none outlives the platform.

#include "platforms/win32/win32_platform.h"

namespace quellar::win32 {

// The window's class keeps one device context for the window's life, so this is the same
// context every time and is never released.
Handle Win32Platform::GetWindowDC(Handle window) {
  windowDc_ = GetDC(FromHandle<HWND>(window));
  return ToHandle(windowDc_);
}

Handle Win32Platform::CreateCompatibleDC(Handle dc) {
  return ToHandle(gdi_.CreateCompatibleDC(FromHandle<HDC>(dc)));
}

Handle Win32Platform::CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) {
  return ToHandle(gdi_.CreateCompatibleBitmap(FromHandle<HDC>(dc), width, height));
}

Handle Win32Platform::SelectObject(Handle dc, Handle object) {
  return ToHandle(gdi_.SelectObject(FromHandle<HDC>(dc), FromHandle<HGDIOBJ>(object)));
}

bool Win32Platform::DeleteDC(Handle dc) {
  surface_.Forget(FromHandle<HDC>(dc));
  return gdi_.DeleteDC(FromHandle<HDC>(dc));
}

Handle Win32Platform::LoadBitmapResource(std::int16_t id) {
  return ToHandle(gdi_.LoadBitmapResource(instance_, id));
}

// A copy to the window presents a frame; a copy anywhere else changes a back buffer, perhaps
// one the window shows.
bool Win32Platform::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, Handle source, std::int32_t sourceX,
                           std::int32_t sourceY, std::uint32_t rop) {
  const auto target = FromHandle<HDC>(destination);
  const auto from = FromHandle<HDC>(source);
  const RECT box{x, y, x + width, y + height};
  if (target == windowDc_) return surface_.Present(target, box, from, {sourceX, sourceY}, rop);
  surface_.Writing(target, box);
  return copies_.BitBlt(target, x, y, width, height, from, sourceX, sourceY, rop);
}

}  // namespace quellar::win32
