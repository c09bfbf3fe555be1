#pragma once
// A bitmap made for the window: a monitor engine's back buffer. Its pixels lie in a segment
// that the X server has attached, so a presentation sends the changed boxes straight from them;
// where the server has no MIT-SHM or will not attach a segment, they lie in our memory and go
// through the connection with plain XPutImage requests, again without a copy.
//
// The server reads the segment some time after a request: drawing waits for its completion
// event before writing again. And since an exposed part of the window must show the last
// presented frame, not one half-drawn, what drawing overwrites before the next presentation is
// kept first (a save-under), to be put back over the bitmap's pixels on an exposure.

#include <X11/Xlib.h>

#include <memory>
#include <span>
#include <vector>

#include "platforms/softgdi/save_under.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/softgdi/surface.h"
#include "platforms/x11/shared_image.h"
#include "platforms/x11/x_image.h"
#include "platforms/x11/x_owned.h"

namespace quellar::x11 {

class WindowBitmap : public softgdi::PixelStore {
 public:
  // `completionType` is the type of MIT-SHM's completion events, or -1 where the server has no
  // MIT-SHM. The bitmap enters `registry` for as long as it lives; while `tick` runs, nothing
  // its drawing overwrites is kept. Raises a RuntimeError when Xlib cannot describe its pixels
  // as an image.
  WindowBitmap(Display* display, ::Window window, const PixelFormat& format, int completionType,
               std::int32_t width, std::int32_t height,
               std::shared_ptr<std::vector<WindowBitmap*>> registry,
               std::shared_ptr<const softgdi::TickState> tick);
  ~WindowBitmap() override;
  WindowBitmap(const WindowBitmap&) = delete;
  WindowBitmap& operator=(const WindowBitmap&) = delete;

  std::span<softgdi::Pixel> Pixels() override;
  void BeforeWrite(softgdi::Box box) override;

  // Puts `boxes` of the bitmap on the window, moved by (dx, dy): a presentation.
  void Show(std::span<const softgdi::Box> boxes, std::int32_t dx, std::int32_t dy);
  // Puts `box` of the bitmap on the window again as it was last shown, moved by (dx, dy).
  void Repaint(softgdi::Box box, std::int32_t dx, std::int32_t dy);
  // Takes the completion of a request of this bitmap's; false for any other event.
  bool TakeCompletion(const XEvent& event);
  // The server has read everything it was sent.
  bool Settled() const { return unread_ == 0; }

 private:
  bool IsMyCompletion(const XEvent& event) const;
  void WaitUntilRead();
  void MakeOpaque(softgdi::Box box);
  void Put(softgdi::Box box, std::int32_t dx, std::int32_t dy);
  void ShowShared(std::span<const softgdi::Box> boxes, std::int32_t dx, std::int32_t dy);

  Display* display_;
  ::Window window_;
  OwnedGc gc_;
  OwnedGc presentGc_;  // clipped to each presentation's boxes
  const PixelFormat format_;
  const softgdi::Pixel opaqueBits_;
  const int completionType_;
  const softgdi::Box bounds_;
  std::unique_ptr<SharedImage> shared_;
  std::vector<softgdi::Pixel> own_;  // the pixels when no segment is shared
  BorrowedImage ownImage_;           // over own_
  // Shared: the bitmap may outlive the surface that made it.
  const std::shared_ptr<std::vector<WindowBitmap*>> registry_;
  const std::shared_ptr<const softgdi::TickState> tick_;
  int unread_ = 0;      // requests whose completion has not come
  bool shown_ = false;  // nothing needs keeping before the first presentation
  softgdi::SaveUnder saved_;
  // For every presentation: the requests without shared memory, the clip with it.
  std::vector<softgdi::Box> requests_;
  std::vector<XRectangle> clip_;
};

}  // namespace quellar::x11
