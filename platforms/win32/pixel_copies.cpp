#include "platforms/win32/pixel_copies.h"

namespace quellar::win32 {
namespace {

class SystemCopies final : public PixelCopies {
 public:
  bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
              int sourceY, DWORD rop) override {
    return ::BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
  }
};

}  // namespace

PixelCopies& SystemPixelCopies() {
  static SystemCopies copies;
  return copies;
}

}  // namespace quellar::win32
