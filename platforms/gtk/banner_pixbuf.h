#pragma once
// The dialog's banner picture, bitmap resource 105, as a pixbuf.

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "platforms/gtk/g_owned.h"
#include "platforms/softgdi/surface.h"

namespace quellar::gtk {

// At most `maxWidth` columns of `picture` (the program decodes it from its resources), as a
// window that narrow shows it; null when there is no picture.
GOwned<GdkPixbuf> BannerPixbuf(const softgdi::Surface* picture, int maxWidth);

}  // namespace quellar::gtk
