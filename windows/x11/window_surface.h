#pragma once
// What the window shows: the target of the window's device context. It keeps a copy of the
// last presented frame at the window's size, so that an exposed part can be shown again
// without the engine, and hands the parts that changed to the presenter. The copy carries the
// bits the presenter's window needs for a pixel to be opaque.

#include <X11/Xlib.h>

#include <memory>
#include <vector>

#include "windows/softgdi/soft_gdi.h"
#include "windows/x11/presenter.h"

namespace quellar::x11 {

class WindowSurface : public softgdi::WindowTarget {
 public:
  WindowSurface(std::unique_ptr<Presenter> presenter, std::int32_t width, std::int32_t height);

  // A copy that may have changed anywhere.
  void ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const softgdi::Surface& source, std::int32_t sourceX,
                   std::int32_t sourceY) override;
  void ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const softgdi::Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::span<const softgdi::Box> changed) override;
  // Follows the window's size; what was shown stays at the top-left, new parts are black.
  void Resize(std::int32_t width, std::int32_t height);
  // Shows again the part of the frame that `box` covers (an Expose).
  void Repaint(softgdi::Box box);
  // A server event for the presenter; true when it took `event`.
  bool HandleEvent(const XEvent& event) { return presenter_->HandleEvent(event, frame_); }
  // See Presenter::Settled.
  bool Settled() const { return presenter_->Settled(); }
  // From now on every copy goes to the presenter whole, as a plain Present would send it: the
  // reference that figures of the changed-parts presentation are measured against.
  void SendWholeFrames() { wholeFrames_ = true; }

 private:
  softgdi::Surface NewFrame(std::int32_t width, std::int32_t height) const;
  void MakeOpaque(softgdi::Box box);

  std::unique_ptr<Presenter> presenter_;
  const softgdi::Pixel opaqueBits_;
  softgdi::Surface frame_;
  std::vector<softgdi::Box> shown_;  // reused for every copy
  // The size changed: parts of the window may never have had a copy, so the next is taken whole.
  bool resized_ = false;
  bool copied_ = false;  // the window has been sent a copy
  bool wholeFrames_ = false;
};

}  // namespace quellar::x11
