#include "platforms/gtk/banner_pixbuf.h"

#include <algorithm>

namespace quellar::gtk {
namespace {

void CopyPixels(const softgdi::Surface& picture, GdkPixbuf* pixbuf) {
  const int width = gdk_pixbuf_get_width(pixbuf);
  const auto rowStride = static_cast<std::size_t>(gdk_pixbuf_get_rowstride(pixbuf));
  guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  for (int y = 0; y < picture.height; ++y) {
    guchar* out = rows + static_cast<std::size_t>(y) * rowStride;
    const softgdi::Pixel* in =
        picture.Pixels().data() +
        static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
    for (int x = 0; x < width; ++x) {
      const softgdi::Pixel pixel = in[x];
      *out++ = static_cast<guchar>(pixel >> 16);
      *out++ = static_cast<guchar>(pixel >> 8);
      *out++ = static_cast<guchar>(pixel);
    }
  }
}

}  // namespace

GOwned<GdkPixbuf> BannerPixbuf(const softgdi::Surface* picture, int maxWidth) {
  if (picture == nullptr || picture->width <= 0) return nullptr;
  GOwned<GdkPixbuf> pixbuf(gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8,
                                          std::min(picture->width, maxWidth), picture->height));
  if (pixbuf) CopyPixels(*picture, pixbuf.get());
  return pixbuf;
}

}  // namespace quellar::gtk
