#include "windows/win32/presented_frame.h"

namespace quellar::win32 {
namespace {

LONG Width(const RECT& area) {
  return area.right - area.left;
}
LONG Height(const RECT& area) {
  return area.bottom - area.top;
}

}  // namespace

void PresentedFrame::Presented(HDC source, RECT area, POINT sourceOrigin) {
  source_ = source;
  area_ = area;
  sourceOrigin_ = sourceOrigin;
  savedAside_ = false;
}

void PresentedFrame::BeforeDrawingInto(HDC target) {
  if (target == source_ && !inTick_ && !savedAside_) SaveAside();
}

void PresentedFrame::Forget(HDC dc) {
  if (dc == source_) source_ = nullptr;
}

// The bitmap is kept for later frames of the same size.
void PresentedFrame::SaveAside() {
  if (!savedDc_ || savedSize_.cx != Width(area_) || savedSize_.cy != Height(area_)) {
    savedDc_.reset(CreateCompatibleDC(source_));
    savedBitmap_.reset(CreateCompatibleBitmap(source_, Width(area_), Height(area_)));
    SelectObject(savedDc_.get(), savedBitmap_.get());
    savedSize_ = {Width(area_), Height(area_)};
  }
  BitBlt(savedDc_.get(), 0, 0, Width(area_), Height(area_), source_, sourceOrigin_.x,
         sourceOrigin_.y, SRCCOPY);
  savedAside_ = true;
}

void PresentedFrame::Repaint(HDC window) const {
  if (savedAside_) {
    BitBlt(window, area_.left, area_.top, Width(area_), Height(area_), savedDc_.get(), 0, 0,
           SRCCOPY);
  } else if (source_ != nullptr) {
    BitBlt(window, area_.left, area_.top, Width(area_), Height(area_), source_, sourceOrigin_.x,
           sourceOrigin_.y, SRCCOPY);
  }
}

}  // namespace quellar::win32
