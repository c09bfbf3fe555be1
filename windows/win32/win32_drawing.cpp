// The drawing half of the port: gdi32 calls passed through, with the objects they make
// tracked so that none outlives the platform.

#include "windows/win32/win32_platform.h"

namespace quellar::win32 {

// The window's class keeps one device context for the window's life, so this is the same
// context every time and is never released.
Handle Win32Platform::GetWindowDC(Handle window) {
  return ToHandle(GetDC(FromHandle<HWND>(window)));
}

Handle Win32Platform::CreateCompatibleDC(Handle dc) {
  return ToHandle(gdi_.CreateCompatibleDC(FromHandle<HDC>(dc)));
}

Handle Win32Platform::CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) {
  return ToHandle(gdi_.CreateCompatibleBitmap(FromHandle<HDC>(dc), width, height));
}

Handle Win32Platform::SelectObject(Handle dc, Handle object) {
  return ToHandle(::SelectObject(FromHandle<HDC>(dc), FromHandle<HGDIOBJ>(object)));
}

bool Win32Platform::DeleteDC(Handle dc) {
  return gdi_.DeleteDC(FromHandle<HDC>(dc));
}

Handle Win32Platform::LoadBitmapResource(std::int16_t id) {
  return ToHandle(gdi_.LoadBitmapResource(instance_, id));
}

bool Win32Platform::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, Handle source, std::int32_t sourceX,
                           std::int32_t sourceY, std::uint32_t rop) {
  return ::BitBlt(FromHandle<HDC>(destination), x, y, width, height, FromHandle<HDC>(source),
                  sourceX, sourceY, rop) != FALSE;
}

}  // namespace quellar::win32
