#include "platforms/x11/shared_image.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include "platforms/x11/x_errors.h"

namespace quellar::x11 {

std::unique_ptr<SharedImage> SharedImage::Create(Display* display, const PixelFormat& format,
                                                 std::int32_t width, std::int32_t height) {
  std::unique_ptr<SharedImage> shared(new SharedImage(display));
  if (!shared->Attach(format, width, height)) return nullptr;
  return shared;
}

bool SharedImage::Attach(const PixelFormat& format, std::int32_t width, std::int32_t height) {
  image_ = XShmCreateImage(display_, format.visual, static_cast<unsigned>(format.depth), ZPixmap,
                           nullptr, &segment_, static_cast<unsigned>(width),
                           static_cast<unsigned>(height));
  // Surfaces have no padding at the ends of their rows.
  if (image_ == nullptr || image_->bytes_per_line != width * 4) return false;
  const std::size_t size =
      static_cast<std::size_t>(image_->bytes_per_line) * static_cast<std::size_t>(height);
  segment_.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
  if (segment_.shmid < 0) return false;
  void* address = shmat(segment_.shmid, nullptr, 0);
  // Marked for removal before anything can end the process (a lost connection ends it inside
  // the attach's round trip): Linux still lets the server attach a marked segment by its id
  // while we hold it, and the segment goes when the last of the two detaches.
  shmctl(segment_.shmid, IPC_RMID, nullptr);
  if (address == reinterpret_cast<void*>(-1)) return false;
  segment_.shmaddr = image_->data = static_cast<char*>(address);
  segment_.readOnly = True;
  // A refusal comes as a protocol error, not as the call's result.
  ErrorTrap trap(display_);
  attached_ = XShmAttach(display_, &segment_) != 0 && !trap.Failed();
  return attached_;
}

SharedImage::~SharedImage() {
  if (attached_) XShmDetach(display_, &segment_);
  // XShmCreateImage's images free only their header.
  if (image_ != nullptr) XDestroyImage(image_);
  if (segment_.shmaddr != nullptr) shmdt(segment_.shmaddr);
}

std::span<softgdi::Pixel> SharedImage::Pixels() const {
  // shmat's memory is page-aligned, and the image is 32-bit words.
  return {reinterpret_cast<softgdi::Pixel*>(image_->data),
          static_cast<std::size_t>(image_->width) * static_cast<std::size_t>(image_->height)};
}

}  // namespace quellar::x11
