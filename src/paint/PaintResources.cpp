// Making the view's drawing objects.
#include "paint/PaintResources.h"

#include "paint/PaintBitmaps.h"
#include "surface/BitmapSurfaceLoader.h"
#include "surface/Blit.h"

namespace {

std::unique_ptr<Surface> LoadSprite(SurfaceService& service, const BitmapProvider& bitmaps,
                                    int bitmap) {
  auto sprite = LoadBitmapSurface(service, bitmaps, bitmap, false);
  if (sprite) sprite->SetColourKey(0);
  return sprite;
}

std::unique_ptr<Surface> LoadIcon(SurfaceService& service, const BitmapProvider& bitmaps,
                                  int bitmap) {
  return LoadBitmapSurface(service, bitmaps, bitmap, true);
}

}  // namespace

PaintResources MakePaintResources(SurfaceService& service, const BitmapProvider& bitmaps,
                                  const TileSettings& tiles, PaintMethod method) {
  PaintResources resources;
  resources.method = method;
  resources.routines = ChooseEdgeRoutines(service.Format(), method);
  resources.backgroundTile = CreateOffscreenSurface(service, kTileSide, kTileSide, false);
  resources.boxBackgroundTile = CreateOffscreenSurface(service, kTileSide, kTileSide, false);
  FillBackgroundTiles(resources.backgroundTile.get(), resources.boxBackgroundTile.get(), bitmaps,
                      tiles);
  LoadSprites(resources, service, bitmaps);
  resources.boxHandleEmpty = LoadIcon(service, bitmaps, kBoxHandleEmptyBitmap);
  resources.boxHandleFull = LoadIcon(service, bitmaps, kBoxHandleFullBitmap);
  for (std::size_t i = 0; i < resources.boxIcons.size(); ++i) {
    resources.boxIcons[i] = LoadIcon(service, bitmaps, kBoxIconFirstBitmap + static_cast<int>(i));
  }
  return resources;
}

void LoadSprites(PaintResources& resources, SurfaceService& service,
                 const BitmapProvider& bitmaps) {
  resources.sparkleSprite = LoadSprite(service, bitmaps, kSparkleBitmap);
  for (std::size_t i = 0; i < resources.particleSprites.size(); ++i) {
    resources.particleSprites[i] =
        LoadSprite(service, bitmaps, kParticleFirstBitmap + static_cast<int>(i));
  }
}

bool CreateBackSurface(PaintResources& resources, SurfaceService& service, int width, int height) {
  resources.backSurface = CreateOffscreenSurface(service, width, height, false);
  return resources.backSurface != nullptr;
}

bool TakeSnapshot(PaintResources& resources, SurfaceService& service) {
  resources.snapshotSurface.reset();
  const Surface* back = resources.backSurface.get();
  if (back == nullptr) return false;
  auto snapshot = CreateOffscreenSurface(service, back->Width(), back->Height(), false);
  if (!snapshot || !BltFast(*snapshot, 0, 0, *back, back->Bounds())) return false;
  resources.snapshotSurface = std::move(snapshot);
  return true;
}
