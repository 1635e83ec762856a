// Surface memory, locking and the simulated loss of display surfaces.
#include "surface/Surface.h"

#include <cstdlib>
#include <cstring>

namespace {

// Restored display memory holds whatever was there; this fill makes a missed redraw visible.
constexpr uint8_t kUndefinedByte = 0xCD;

std::size_t ByteSize(int pitch, int height) {
  return static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
}

}  // namespace

int SurfacePitch(int width, const PixelFormatInfo& format) {
  const int bytes = width * format.BytesPerPixel();
  return (bytes + 15) & ~15;
}

void Surface::FreeDeleter::operator()(uint8_t* p) const { std::free(p); }

Surface::Surface(int width, int height, const PixelFormatInfo& format, SurfaceMemory memory,
                 std::shared_ptr<DisplayMemoryState> display)
    : width_(width),
      height_(height),
      pitch_(SurfacePitch(width, format)),
      format_(format),
      memory_(memory),
      display_(std::move(display)) {
  // calloc: large blocks come from fresh zeroed pages, so new surfaces cost no extra pass.
  pixels_.reset(static_cast<uint8_t*>(std::calloc(ByteSize(pitch_, height_), 1)));
  if (memory_ == SurfaceMemory::Display && display_) {
    generation_ = display_->generation;
    if (pixels_) display_->bytesInUse += ByteSize(pitch_, height_);
  }
}

Surface::~Surface() {
  if (memory_ == SurfaceMemory::Display && display_ && pixels_) {
    display_->bytesInUse -= ByteSize(pitch_, height_);
  }
}

bool Surface::IsLost() const {
  return memory_ == SurfaceMemory::Display && display_ && generation_ != display_->generation;
}

SurfaceLock Surface::Lock() {
  if (!pixels_ || IsLost()) return {};
  return {pixels_.get(), pitch_};
}

ConstSurfaceLock Surface::Lock() const {
  if (!pixels_ || IsLost()) return {};
  return {pixels_.get(), pitch_};
}

void Surface::Restore() {
  if (!IsLost()) return;
  generation_ = display_->generation;
  std::memset(pixels_.get(), kUndefinedByte, ByteSize(pitch_, height_));
}
