// Surface memory, locking, pixels shared by copies, and the simulated loss of display surfaces.
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

void Surface::FreeDeleter::operator()(uint8_t* p) const {
  std::free(p);
}

Surface::Surface(int width, int height, const PixelFormatInfo& format, SurfaceMemory memory,
                 std::shared_ptr<DisplayMemoryState> display)
    : width_(width),
      height_(height),
      pitch_(SurfacePitch(width, format)),
      format_(format),
      memory_(memory),
      display_(std::move(display)) {
  // calloc: large blocks come from fresh zeroed pages, so new surfaces cost no extra pass.
  if (auto* bytes = static_cast<uint8_t*>(std::calloc(ByteCount(), 1))) {
    pixels_.reset(bytes, FreeDeleter{});
  }
  if (memory_ == SurfaceMemory::Display && display_) {
    generation_ = display_->generation;
    if (pixels_) display_->bytesInUse += ByteCount();
  }
}

Surface::Surface(const Surface& source, SurfaceMemory memory,
                 std::shared_ptr<DisplayMemoryState> display)
    : width_(source.width_),
      height_(source.height_),
      pitch_(source.pitch_),
      format_(source.format_),
      memory_(memory),
      display_(std::move(display)),
      pixels_(source.IsLost() ? nullptr : source.pixels_) {
  if (memory_ == SurfaceMemory::Display && display_) {
    generation_ = display_->generation;
    // The budget counts a shared display copy in full: it stands for memory on the display.
    if (pixels_) display_->bytesInUse += ByteCount();
  }
}

Surface::~Surface() {
  if (memory_ == SurfaceMemory::Display && display_ && pixels_) {
    display_->bytesInUse -= ByteCount();
  }
}

std::size_t Surface::ByteCount() const {
  return ByteSize(pitch_, height_);
}

bool Surface::TakeOwnPixels(bool keepContents) {
  auto* bytes = static_cast<uint8_t*>(std::malloc(ByteCount()));
  if (!bytes) return false;
  if (keepContents) std::memcpy(bytes, pixels_.get(), ByteCount());
  pixels_.reset(bytes, FreeDeleter{});
  return true;
}

bool Surface::IsLost() const {
  return memory_ == SurfaceMemory::Display && display_ && generation_ != display_->generation;
}

SurfaceLock Surface::Lock() {
  if (!pixels_ || IsLost()) return {};
  if (SharesPixels() && !TakeOwnPixels(true)) return {};
  return {pixels_.get(), pitch_};
}

ConstSurfaceLock Surface::Lock() const {
  if (!pixels_ || IsLost()) return {};
  return {pixels_.get(), pitch_};
}

void Surface::Restore() {
  if (!IsLost()) return;
  generation_ = display_->generation;
  // A lost copy gives up what it shared; its new memory is its own.
  if (SharesPixels() && !TakeOwnPixels(false)) return;
  std::memset(pixels_.get(), kUndefinedByte, ByteCount());
}
