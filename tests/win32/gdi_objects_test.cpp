#include "windows/win32/gdi_objects.h"

#include <gtest/gtest.h>

#include "engine/runtime_error.h"

namespace quellar::win32 {
namespace {

class GdiObjectsTest : public ::testing::Test {
 protected:
  ~GdiObjectsTest() override { ReleaseDC(nullptr, screen); }

  HDC screen = GetDC(nullptr);
  HINSTANCE module = GetModuleHandleW(nullptr);
};

TEST_F(GdiObjectsTest, AMissingBitmapIsARunTimeErrorNamingIt) {
  GdiObjects gdi;
  try {
    gdi.LoadBitmapResource(module, 106);
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_STREQ(error.what(), "bitmap resource 106 cannot be loaded");
  }
}

TEST_F(GdiObjectsTest, ANewBitmapIsBlack) {
  GdiObjects gdi;
  const HDC dc = gdi.CreateCompatibleDC(screen);
  const HBITMAP bitmap = gdi.CreateCompatibleBitmap(screen, 37, 23);
  SelectObject(dc, bitmap);
  for (const POINT p : {POINT{0, 0}, POINT{36, 22}, POINT{18, 11}}) {
    EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB(0, 0, 0));
  }
}

// A preview ended by its host, or a failed run, never reaches the engine's own clean-up.
TEST_F(GdiObjectsTest, ReleasesWhatIsLeftDeviceContextsFirst) {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  {
    GdiObjects gdi;
    dc = gdi.CreateCompatibleDC(screen);
    bitmap = gdi.LoadBitmapResource(module, 101);
    SelectObject(dc, bitmap);
  }
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
}  // namespace quellar::win32
