#pragma once
// What the window shows: the target of the window's device context. The frames it shows come
// from the bitmaps made for the window (WindowBitmap), whose pixels the server reads where they
// are; it sends their changed parts, shows an exposed part again from what the soft GDI says
// the window shows there, and hands the server's completion events to the bitmap they are for.

#include <X11/Xlib.h>

#include <memory>
#include <vector>

#include "platforms/softgdi/soft_gdi.h"
#include "platforms/x11/window_bitmap.h"
#include "platforms/x11/x_image.h"
#include "platforms/x11/x_owned.h"

namespace quellar::x11 {

class WindowSurface : public softgdi::WindowTarget {
 public:
  // Raises a RuntimeError when the window's visual cannot show XRGB pixels as they are. `gdi`
  // holds the window's device context.
  WindowSurface(Display* display, ::Window window, const softgdi::SoftGdi& gdi, std::int32_t width,
                std::int32_t height);

  // The pixels of a bitmap the window can show without copying them.
  std::unique_ptr<WindowBitmap> NewBitmap(std::int32_t width, std::int32_t height);

  // Raises a RuntimeError for a source that is no bitmap made for the window.
  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;
  // Follows the window's size.
  void Resize(std::int32_t width, std::int32_t height);
  // Shows again the part of the last presented frame that `box` covers (an Expose); black
  // where the window shows no bitmap.
  void Repaint(softgdi::Box box);
  // A server event for a bitmap; true when one took `event`.
  bool HandleEvent(const XEvent& event);
  // The server has read everything it was sent; for what it was sent to reach the window, a
  // round trip (XSync) is enough.
  bool Settled() const;
  // From now on every copy is sent whole, as a plain Present would send it: the reference that
  // figures of the changed-parts presentation are measured against.
  void SendWholeFrames() { wholeFrames_ = true; }

 private:
  WindowBitmap* BitmapOf(const softgdi::Surface& surface) const;
  void FillBlackUnlessShown(softgdi::Box exposed,
                            std::span<const softgdi::SoftGdi::ShownPart> parts);

  Display* display_;
  ::Window window_;
  const PixelFormat format_;
  const softgdi::SoftGdi& gdi_;
  OwnedGc gc_;
  int completionType_ = -1;  // no event has this type
  softgdi::Box bounds_;
  // Every live bitmap made here.
  std::shared_ptr<std::vector<WindowBitmap*>> bitmaps_ =
      std::make_shared<std::vector<WindowBitmap*>>();
  std::vector<softgdi::Box> shown_;  // for every copy, with room for the most it can hold
  // The size changed: parts of the window may never have had a copy, so the next is taken whole.
  bool resized_ = false;
  bool wholeFrames_ = false;
};

}  // namespace quellar::x11
