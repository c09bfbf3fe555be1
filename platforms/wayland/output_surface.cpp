#include "platforms/wayland/output_surface.h"

#include <algorithm>
#include <utility>

namespace quellar::wayland {

using softgdi::Box;

namespace {

constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
// Not moved for panels: it covers them.
constexpr std::int32_t kOverEveryZone = -1;
// A second of frames at the default speed.
constexpr std::uint64_t kUnusedCommits = 24;

}  // namespace

OutputSurface::OutputSurface(const SurfaceGlobals& globals, wl_output* output, std::int32_t scale)
    : globals_(globals),
      scale_(std::max(scale, 1)),
      surface_(wl_compositor_create_surface(globals.compositor)),
      layer_(zwlr_layer_shell_v1_get_layer_surface(globals.layerShell, surface_.get(), output,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "quellar")) {
  static const zwlr_layer_surface_v1_listener listener{&OutputSurface::OnConfigure,
                                                       &OutputSurface::OnClosed};
  zwlr_layer_surface_v1_add_listener(layer_.get(), &listener, this);
  zwlr_layer_surface_v1_set_anchor(layer_.get(), kAllEdges);
  zwlr_layer_surface_v1_set_exclusive_zone(layer_.get(), kOverEveryZone);
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      layer_.get(), ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
  wl_surface_set_buffer_scale(surface_.get(), scale_);
  // The first commit carries no buffer: the compositor answers it with the surface's size.
  wl_surface_commit(surface_.get());
}

void OutputSurface::OnConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                                std::uint32_t width, std::uint32_t height) {
  auto& self = *static_cast<OutputSurface*>(data);
  zwlr_layer_surface_v1_ack_configure(layer, serial);
  const auto deviceWidth = static_cast<std::int32_t>(width) * self.scale_;
  const auto deviceHeight = static_cast<std::int32_t>(height) * self.scale_;
  if (deviceWidth == self.width_ && deviceHeight == self.height_) return;
  // Buffers of the old size show nothing the new one can use: the next presentation starts on
  // black, and a new size comes with a new layout, which every engine presents whole.
  self.width_ = deviceWidth;
  self.height_ = deviceHeight;
  self.front_ = self.pending_ = nullptr;
  self.buffers_.clear();
  self.frameDamage_.Clear();
  self.MarkOpaque();
}

void OutputSurface::OnClosed(void* data, zwlr_layer_surface_v1* /*layer*/) {
  static_cast<OutputSurface*>(data)->closed_ = true;
}

// Nothing behind it need be drawn.
void OutputSurface::MarkOpaque() {
  wl_region* region = wl_compositor_create_region(globals_.compositor);
  wl_region_add(region, 0, 0, width_ / scale_, height_ / scale_);
  wl_surface_set_opaque_region(surface_.get(), region);
  wl_region_destroy(region);
}

// The buffer that waits, or one the compositor does not hold brought up to date from the last
// one committed; a new one when it holds them all.
ShmBuffer& OutputSurface::Writable() {
  if (pending_ != nullptr) return *pending_;
  pending_ = FreshestFree();
  if (pending_ == nullptr) {
    buffers_.push_back(std::make_unique<ShmBuffer>(globals_.shm, width_, height_));
    // A new buffer is black: whatever the surface shows differs from it.
    if (front_ != nullptr) buffers_.back()->Stale().Add({0, 0, width_, height_});
    pending_ = buffers_.back().get();
  }
  if (front_ != nullptr && front_ != pending_) {
    for (const Box& box : pending_->Stale().Boxes()) {
      Copy(pending_->Pixels(), front_->Pixels(), width_, box, 0, 0);
    }
  }
  pending_->Stale().Clear();
  return *pending_;
}

// The free buffer committed last, which has the least to catch up on. A buffer left free for a
// second while others were taken is one the compositor no longer needs: it goes.
ShmBuffer* OutputSurface::FreshestFree() {
  std::erase_if(buffers_, [this](const auto& buffer) {
    return !buffer->Held() && buffer.get() != front_ &&
           buffer->LastAttached() + kUnusedCommits < commits_;
  });
  ShmBuffer* freshest = nullptr;
  for (const auto& buffer : buffers_) {
    if (!buffer->Held() &&
        (freshest == nullptr || buffer->LastAttached() > freshest->LastAttached())) {
      freshest = buffer.get();
    }
  }
  return freshest;
}

void OutputSurface::Copy(std::span<softgdi::Pixel> to, std::span<const softgdi::Pixel> from,
                         std::int32_t fromWidth, Box box, std::int32_t dx, std::int32_t dy) const {
  softgdi::CopyRows(from.data() + (box.y + dy) * fromWidth + box.x + dx, fromWidth,
                    to.data() + box.y * width_ + box.x, width_, box.width, box.height);
}

void OutputSurface::Receive(const softgdi::Surface& source, std::int32_t dx, std::int32_t dy,
                            std::span<const Box> boxes) {
  if (!Configured() || closed_) return;
  ShmBuffer& buffer = Writable();
  const Box bounds{0, 0, width_, height_};
  const Box sourceBounds{-dx, -dy, source.width, source.height};
  for (const Box& asked : boxes) {
    const Box box = softgdi::Intersect(softgdi::Intersect(asked, bounds), sourceBounds);
    if (box.Empty()) continue;
    Copy(buffer.Pixels(), source.Pixels(), source.width, box, dx, dy);
    frameDamage_.Add(box);
    for (const auto& other : buffers_) {
      if (other.get() != &buffer) other->Stale().Add(box);
    }
  }
}

void OutputSurface::Commit() {
  if (pending_ == nullptr || AwaitingFrame() || closed_) return;
  wl_surface* surface = surface_.get();
  wl_surface_attach(surface, pending_->Get(), 0, 0);
  // The first frame replaces whatever the output showed.
  if (front_ == nullptr) frameDamage_.Add({0, 0, width_, height_});
  for (const Box& box : frameDamage_.Boxes()) {
    wl_surface_damage_buffer(surface, box.x, box.y, box.width, box.height);
  }
  frameCallback_.reset(wl_surface_frame(surface));
  static const wl_callback_listener listener{&OutputSurface::OnFrameDone};
  wl_callback_add_listener(frameCallback_.get(), &listener, this);
  wl_surface_commit(surface);
  pending_->Attached(++commits_);
  front_ = std::exchange(pending_, nullptr);
  frameDamage_.Clear();
}

void OutputSurface::OnFrameDone(void* data, wl_callback* /*callback*/, std::uint32_t /*time*/) {
  auto& self = *static_cast<OutputSurface*>(data);
  self.frameCallback_.reset();
  self.shownAFrame_ = true;
  self.Commit();
}

}  // namespace quellar::wayland
