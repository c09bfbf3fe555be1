#include "platforms/x11/window_bitmap.h"

#include <X11/extensions/XShm.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/runtime_error.h"
#include "platforms/softgdi/column_boxes.h"
#include "platforms/softgdi/damage.h"

namespace quellar::x11 {

using softgdi::Box;

WindowBitmap::WindowBitmap(Display* display, ::Window window, const PixelFormat& format,
                           int completionType, std::int32_t width, std::int32_t height,
                           std::shared_ptr<std::vector<WindowBitmap*>> registry,
                           std::shared_ptr<const softgdi::TickState> tick)
    : display_(display),
      window_(window),
      gc_(display, XCreateGC(display, window, 0, nullptr)),
      presentGc_(display, XCreateGC(display, window, 0, nullptr)),
      format_(format),
      opaqueBits_(OpaqueBitsOf(format)),
      completionType_(completionType),
      bounds_{0, 0, width, height},
      registry_(std::move(registry)),
      tick_(std::move(tick)) {
  if (completionType_ >= 0) shared_ = SharedImage::Create(display_, format_, width, height);
  if (!shared_) {
    own_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    ownImage_ =
        ImageOver(display_, format_, reinterpret_cast<const char*>(own_.data()), width, height);
    if (!ownImage_) throw RuntimeError("the frame cannot be described as an X image");
  }
  // Black as a new bitmap is, and opaque wherever the window needs it to be.
  if (opaqueBits_ != 0) std::ranges::fill(Pixels(), opaqueBits_);
  // A presentation brings at most the boxes of a bitmap's damage.
  if (shared_) {
    clip_.reserve(softgdi::Damage::kMaxBoxes);
  } else {
    requests_.reserve(softgdi::Damage::kMaxBoxes);
  }
  registry_->push_back(this);
}

WindowBitmap::~WindowBitmap() {
  std::erase(*registry_, this);
}

std::span<softgdi::Pixel> WindowBitmap::Pixels() {
  return shared_ ? shared_->Pixels() : std::span<softgdi::Pixel>(own_);
}

void WindowBitmap::BeforeWrite(Box box) {
  WaitUntilRead();
  if (shown_ && !tick_->running) saved_.Keep(Pixels(), bounds_.width, box);
}

bool WindowBitmap::IsMyCompletion(const XEvent& event) const {
  if (!shared_ || event.type != completionType_) return false;
  // Xlib's idiom is a pointer cast; a copy says the same without aliasing the union.
  XShmCompletionEvent completion;
  static_assert(sizeof completion <= sizeof event);
  std::memcpy(&completion, &event, sizeof completion);
  return completion.drawable == window_ && completion.shmseg == shared_->Segment();
}

bool WindowBitmap::TakeCompletion(const XEvent& event) {
  if (unread_ == 0 || !IsMyCompletion(event)) return false;
  --unread_;
  return true;
}

// Other events stay queued, in order, for the loop.
void WindowBitmap::WaitUntilRead() {
  const auto takeQueued = [this] {
    XEvent event;
    const auto mine = [](Display*, XEvent* candidate, XPointer self) -> Bool {
      return reinterpret_cast<const WindowBitmap*>(self)->IsMyCompletion(*candidate);
    };
    while (unread_ > 0 && XCheckIfEvent(display_, &event, mine, reinterpret_cast<XPointer>(this)))
      --unread_;
  };
  if (unread_ == 0) return;
  takeQueued();
  if (unread_ == 0) return;
  // The server sends a completion as it handles the request, so after a round trip it is here;
  // one that is not has failed (the window has gone), and the loop reports the error.
  XSync(display_, False);
  takeQueued();
  unread_ = 0;
}

// Only pixels drawn since the server last read them lack the bits: the others are not written.
void WindowBitmap::MakeOpaque(Box box) {
  if (opaqueBits_ == 0) return;
  const std::span<softgdi::Pixel> pixels = Pixels();
  for (std::int32_t y = box.y; y < box.y + box.height; ++y) {
    const auto row =
        pixels.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(bounds_.width) +
                           static_cast<std::size_t>(box.x),
                       static_cast<std::size_t>(box.width));
    for (softgdi::Pixel& pixel : row) {
      if ((pixel & opaqueBits_) != opaqueBits_) pixel |= opaqueBits_;
    }
  }
}

void WindowBitmap::Put(Box box, std::int32_t dx, std::int32_t dy) {
  const auto width = static_cast<unsigned>(box.width);
  const auto height = static_cast<unsigned>(box.height);
  if (!shared_) {
    XPutImage(display_, window_, gc_.Get(), ownImage_.get(), box.x, box.y, box.x + dx, box.y + dy,
              width, height);
    return;
  }
  XShmPutImage(display_, window_, gc_.Get(), shared_->Image(), box.x, box.y, box.x + dx, box.y + dy,
               width, height, True);
  ++unread_;
}

// The engine presents its whole back buffer every time: what was kept is shown now.
void WindowBitmap::Show(std::span<const Box> boxes, std::int32_t dx, std::int32_t dy) {
  shown_ = true;
  saved_.Clear();
  if (shared_) {
    ShowShared(boxes, dx, dy);
    return;
  }
  softgdi::MergeColumnBoxes(boxes, bounds_, requests_);
  for (const Box& box : requests_) {
    MakeOpaque(box);
    Put(box, dx, dy);
  }
}

// The server reads the segment where it lies: one request for the rows the boxes span, clipped to
// the boxes, costs it less than a request per box, and costs us a few bytes per box instead of a
// request (measured per tick with bench_x11_present at 1920x1080 and 3840x2160: the server
// spent about 150 and 320 us with a request per column's touching boxes, 130 and 260 us so).
// Its one completion covers it all.
void WindowBitmap::ShowShared(std::span<const Box> boxes, std::int32_t dx, std::int32_t dy) {
  clip_.clear();
  std::int32_t top = bounds_.height;
  std::int32_t bottom = 0;
  for (const Box box : boxes) {
    const Box part = softgdi::Intersect(box, bounds_);
    if (part.Empty()) continue;
    MakeOpaque(part);
    // Window coordinates, which X keeps in 16 bits.
    clip_.push_back({static_cast<short>(part.x + dx), static_cast<short>(part.y + dy),
                     static_cast<unsigned short>(part.width),
                     static_cast<unsigned short>(part.height)});
    top = std::min(top, part.y);
    bottom = std::max(bottom, part.y + part.height);
  }
  if (clip_.empty()) return;
  XSetClipRectangles(display_, presentGc_.Get(), 0, 0, clip_.data(), static_cast<int>(clip_.size()),
                     Unsorted);
  XShmPutImage(display_, window_, presentGc_.Get(), shared_->Image(), 0, top, dx, top + dy,
               static_cast<unsigned>(bounds_.width), static_cast<unsigned>(bottom - top), True);
  ++unread_;
}

void WindowBitmap::Repaint(Box box, std::int32_t dx, std::int32_t dy) {
  const Box clipped = softgdi::Intersect(box, bounds_);
  if (clipped.Empty()) return;
  Put(clipped, dx, dy);
  // Put back last, the oldest pixels of a box kept twice are the ones that stay.
  saved_.ForEachNewestFirst([&](Box kept, std::span<const softgdi::Pixel> pixels) {
    const Box part = softgdi::Intersect(kept, clipped);
    if (part.Empty()) return;
    const BorrowedImage image = ImageOver(
        display_, format_, reinterpret_cast<const char*>(pixels.data()), kept.width, kept.height);
    if (!image) throw RuntimeError("the frame cannot be described as an X image");
    XPutImage(display_, window_, gc_.Get(), image.get(), part.x - kept.x, part.y - kept.y,
              part.x + dx, part.y + dy, static_cast<unsigned>(part.width),
              static_cast<unsigned>(part.height));
  });
}

}  // namespace quellar::x11
