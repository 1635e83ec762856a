// Creating surfaces within the display-memory budget.
#include "surface/SurfaceService.h"

SurfaceService::SurfaceService(const PixelFormatInfo& format)
    : format_(format), display_(std::make_shared<DisplayMemoryState>()) {
  display_->format = format;
}

bool SurfaceService::Admits(int width, int height, SurfaceMemory memory) const {
  if (creationFails_ || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    return false;
  }
  if (memory == SurfaceMemory::Display) {
    const std::size_t bytes =
        static_cast<std::size_t>(SurfacePitch(width, format_)) * static_cast<std::size_t>(height);
    const std::size_t used = display_->bytesInUse;
    if (used > display_->byteLimit || bytes > display_->byteLimit - used) return false;
  }
  return true;
}

std::unique_ptr<Surface> SurfaceService::Create(int width, int height, SurfaceMemory memory) {
  return Make(width, height, memory, false);
}

std::unique_ptr<Surface> SurfaceService::CreateOverwritten(int width, int height,
                                                           SurfaceMemory memory) {
  return Make(width, height, memory, true);
}

std::unique_ptr<Surface> SurfaceService::Make(int width, int height, SurfaceMemory memory,
                                              bool overwritten) {
  if (!Admits(width, height, memory)) return nullptr;
  std::unique_ptr<Surface> surface(new (reservation_) Surface(
      width, height, memory, display_, {reservation_, blocksRefused_, overwritten}));
  if (!surface->HasPixels()) return nullptr;
  return surface;
}

std::unique_ptr<Surface> SurfaceService::CreateSharing(const Surface& source,
                                                       SurfaceMemory memory) {
  if (!source.HasPixels() || source.IsLost() || source.Format() != format_ ||
      !Admits(source.Width(), source.Height(), memory)) {
    return nullptr;
  }
  std::unique_ptr<Surface> surface(new (reservation_) Surface(source, memory, display_));
  if (!surface->HasPixels()) return nullptr;
  return surface;
}

std::unique_ptr<SurfaceReservation> SurfaceService::Reserve(std::size_t bytes) {
  return std::make_unique<SurfaceReservation>(
      *this, MemoryBlock::Make(bytes, MemoryBlock::Reuse::Reusable, blocksRefused_));
}

std::shared_ptr<void> SurfaceService::CarveReserved(std::size_t bytes) {
  if (reservation_ == nullptr) return nullptr;
  return Surface::CarveShared(*reservation_, bytes, 16);
}

std::size_t SurfaceService::ReservedDataBytes(std::size_t bytes) {
  return Surface::SharedFootprint(bytes, 16);
}

std::size_t SurfaceService::ReservedBytes(int width, int height) const {
  return Surface::RecordFootprint() + Surface::PixelFootprint(width, height, format_);
}

SurfaceReservation::SurfaceReservation(SurfaceService& service, MemoryBlock* block)
    : service_(service), block_(block), previous_(service.reservation_) {
  service_.reservation_ = block_;
}

SurfaceReservation::~SurfaceReservation() {
  service_.reservation_ = previous_;
  block_->DropReference();
}

bool SurfaceReservation::Holds(const Surface& surface) const {
  const ConstSurfaceLock lock = surface.Lock();
  return lock && block_->Contains(lock.bits);
}

std::unique_ptr<Surface> CreateOffscreenSurface(SurfaceService& service, int width, int height,
                                                bool systemMemory) {
  if (!systemMemory) {
    if (auto display = service.Create(width, height, SurfaceMemory::Display)) return display;
  }
  return service.Create(width, height, SurfaceMemory::System);
}

std::unique_ptr<Surface> CreateDisplayCopy(SurfaceService& service, const Surface& master) {
  auto copy = service.CreateSharing(master, SurfaceMemory::Display);
  if (!copy) copy = service.CreateSharing(master, SurfaceMemory::System);
  if (!copy) return nullptr;
  if (const auto key = master.ColourKey()) copy->SetColourKey(*key);
  return copy;
}
