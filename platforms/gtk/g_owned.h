#pragma once
// An owned reference to a GObject (a pixbuf, a style provider), dropped when the owner goes.

#include <glib-object.h>

#include <memory>

namespace quellar::gtk {

struct ObjectUnref {
  void operator()(void* object) const { g_object_unref(object); }
};

template <typename Object>
using GOwned = std::unique_ptr<Object, ObjectUnref>;

}  // namespace quellar::gtk
