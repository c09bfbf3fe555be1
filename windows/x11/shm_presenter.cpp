#include "windows/x11/shm_presenter.h"

#include <cstring>

#include "windows/x11/column_boxes.h"

namespace quellar::x11 {

ShmPresenter::ShmPresenter(Display* display, ::Window window)
    : display_(display),
      window_(window),
      format_(XrgbFormatOf(display, window)),
      gc_(display, XCreateGC(display, window, 0, nullptr)) {
  if (XShmQueryExtension(display_)) {
    completionType_ = XShmGetEventBase(display_) + ShmCompletion;
  } else {
    plain_ = std::make_unique<PlainPresenter>(display_, window_);
  }
}

void ShmPresenter::Show(const softgdi::Surface& frame, std::span<const softgdi::Box> boxes) {
  if (plain_) return plain_->Show(frame, boxes);
  for (const softgdi::Box box : boxes) waiting_.Add(box);
  if (!inFlight_) Send(frame);
}

bool ShmPresenter::HandleEvent(const XEvent& event, const softgdi::Surface& frame) {
  if (event.type != completionType_) return false;
  // Xlib's idiom is a pointer cast; a copy says the same without aliasing the union.
  XShmCompletionEvent completion;
  static_assert(sizeof completion <= sizeof event);
  std::memcpy(&completion, &event, sizeof completion);
  if (!inFlight_ || completion.drawable != window_ || completion.shmseg != image_->Segment()) {
    return false;
  }
  inFlight_ = false;
  if (!waiting_.Empty()) Send(frame);
  return true;
}

void ShmPresenter::Send(const softgdi::Surface& frame) {
  if (!ImageFor(frame)) {
    plain_->Show(frame, waiting_.Boxes());
    waiting_.Clear();
    return;
  }
  MergeColumnBoxes(waiting_.Boxes(), {0, 0, frame.width, frame.height}, requests_);
  waiting_.Clear();
  for (const softgdi::Box& box : requests_) image_->CopyIn(frame, box);
  for (std::size_t i = 0; i < requests_.size(); ++i) {
    const softgdi::Box& box = requests_[i];
    // The server handles requests in order: the last one's completion covers them all.
    const bool last = i + 1 == requests_.size();
    XShmPutImage(display_, window_, gc_.Get(), image_->Image(), box.x, box.y, box.x, box.y,
                 static_cast<unsigned>(box.width), static_cast<unsigned>(box.height),
                 last ? True : False);
  }
  inFlight_ = !requests_.empty();
}

bool ShmPresenter::ImageFor(const softgdi::Surface& frame) {
  if (image_ && image_->Width() == frame.width && image_->Height() == frame.height) return true;
  image_.reset();
  image_ = SharedImage::Create(display_, format_, frame.width, frame.height);
  if (!image_) plain_ = std::make_unique<PlainPresenter>(display_, window_);
  return image_ != nullptr;
}

}  // namespace quellar::x11
