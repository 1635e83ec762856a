// Loading bitmap resources into surfaces.
#include "surface/BitmapSurfaceLoader.h"

#include "surface/SurfaceDrawingContext.h"

std::unique_ptr<Surface> LoadBitmapSurface(SurfaceService& service, const BitmapProvider& provider,
                                           int resourceId, bool systemMemory) {
  const std::optional<Bitmap> bitmap = provider.Load(resourceId);
  if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 ||
      bitmap->pixels.size() !=
          static_cast<std::size_t>(bitmap->width) * static_cast<std::size_t>(bitmap->height)) {
    return nullptr;
  }
  auto surface = CreateOffscreenSurface(service, bitmap->width, bitmap->height, systemMemory);
  if (!surface || !surface->Lock()) return nullptr;
  SurfaceDrawingContext(*surface).DrawBitmap(0, 0, *bitmap);
  return surface;
}
