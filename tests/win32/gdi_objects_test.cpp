// A monitor's engine deletes its device contexts when its monitor goes: the bitmaps selected
// into them go too, and nothing else does.

#include "platforms/win32/gdi_objects.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

bool Alive(HGDIOBJ object) {
  return GetObjectType(object) != 0;
}

TEST(GdiObjectsTest, ABitmapGoesWithTheDeviceContextItIsSelectedInto) {
  const HDC screen = GetDC(nullptr);
  HBITMAP left = nullptr;
  HBITMAP kept = nullptr;
  HBITMAP foreign = CreateCompatibleBitmap(screen, 8, 8);
  {
    GdiObjects gdi;
    const HDC buffer = gdi.CreateCompatibleDC(screen);
    const HDC other = gdi.CreateCompatibleDC(screen);
    left = gdi.CreateCompatibleBitmap(screen, 16, 20);
    const HBITMAP selected = gdi.CreateCompatibleBitmap(screen, 16, 20);
    kept = gdi.CreateCompatibleBitmap(screen, 16, 20);
    gdi.SelectObject(buffer, left);
    gdi.SelectObject(buffer, selected);  // `left` is no longer in it
    gdi.SelectObject(other, kept);
    const HDC borrower = gdi.CreateCompatibleDC(screen);
    gdi.SelectObject(borrower, foreign);
    EXPECT_TRUE(gdi.DeleteDC(buffer));
    EXPECT_TRUE(gdi.DeleteDC(borrower));
    EXPECT_FALSE(Alive(selected));
    EXPECT_TRUE(Alive(left));
    EXPECT_TRUE(Alive(kept));
    EXPECT_TRUE(Alive(foreign));
  }
  EXPECT_FALSE(Alive(left));
  EXPECT_FALSE(Alive(kept));
  EXPECT_TRUE(Alive(foreign));
  DeleteObject(foreign);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace quellar::win32
