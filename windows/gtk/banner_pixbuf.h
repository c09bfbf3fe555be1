#pragma once
// The dialog's banner picture, bitmap resource 105, as a pixbuf.

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "windows/gtk/g_owned.h"

namespace quellar::gtk {

// At most `maxWidth` columns of the picture, as a window that narrow shows it; null when the
// resource is missing or malformed.
GOwned<GdkPixbuf> BannerPixbuf(int maxWidth);

}  // namespace quellar::gtk
