// Creating surfaces within the display-memory budget.
#include "surface/SurfaceService.h"

SurfaceService::SurfaceService(const PixelFormatInfo& format)
    : format_(format), display_(std::make_shared<DisplayMemoryState>()) {}

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
  if (!Admits(width, height, memory)) return nullptr;
  auto surface = std::make_unique<Surface>(width, height, format_, memory, display_);
  if (!surface->HasPixels()) return nullptr;
  return surface;
}

std::unique_ptr<Surface> SurfaceService::CreateSharing(const Surface& source,
                                                       SurfaceMemory memory) {
  if (!source.HasPixels() || source.IsLost() || !Admits(source.Width(), source.Height(), memory)) {
    return nullptr;
  }
  auto surface = std::make_unique<Surface>(source, memory, display_);
  if (!surface->HasPixels()) return nullptr;
  return surface;
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
