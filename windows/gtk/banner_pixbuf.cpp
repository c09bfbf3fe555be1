#include "windows/gtk/banner_pixbuf.h"

#include <algorithm>
#include <variant>

#include "resources/embedded.h"
#include "windows/softgdi/bmp.h"

namespace quellar::gtk {
namespace {

constexpr std::int16_t kBannerBitmap = 105;

void CopyPixels(const softgdi::Surface& picture, GdkPixbuf* pixbuf) {
  const int width = gdk_pixbuf_get_width(pixbuf);
  const auto rowStride = static_cast<std::size_t>(gdk_pixbuf_get_rowstride(pixbuf));
  guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  for (int y = 0; y < picture.height; ++y) {
    guchar* out = rows + static_cast<std::size_t>(y) * rowStride;
    for (int x = 0; x < width; ++x) {
      const softgdi::Pixel pixel = picture.At(x, y);
      *out++ = static_cast<guchar>(pixel >> 16);
      *out++ = static_cast<guchar>(pixel >> 8);
      *out++ = static_cast<guchar>(pixel);
    }
  }
}

}  // namespace

GOwned<GdkPixbuf> BannerPixbuf(int maxWidth) {
  const softgdi::DecodedBmp decoded = softgdi::DecodeBmp(resources::EmbeddedBitmap(kBannerBitmap));
  const auto* picture = std::get_if<softgdi::Surface>(&decoded);
  if (picture == nullptr || picture->width <= 0) return nullptr;
  GOwned<GdkPixbuf> pixbuf(gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8,
                                          std::min(picture->width, maxWidth), picture->height));
  if (pixbuf) CopyPixels(*picture, pixbuf.get());
  return pixbuf;
}

}  // namespace quellar::gtk
