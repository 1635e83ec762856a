// The view's drawing objects: the composed frame, the tiles, the snapshot, sprites and icons.
#pragma once

#include <array>
#include <memory>

#include "paint/EdgeRoutines.h"
#include "paint/OpenSides.h"
#include "paint/TileFill.h"
#include "play/CornerBox.h"
#include "play/Fireworks.h"
#include "surface/BitmapProvider.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// Owned by the view from its creation to its end; a member that could not be made is null and
// is skipped wherever it would be drawn. The sprites are keyed black; the icons are system-memory
// copies of their bitmaps, so that they are never lost.
struct PaintResources {
  std::unique_ptr<Surface> backSurface;        // the composed frame, made at the first paint
  std::unique_ptr<Surface> backgroundTile;     // 128 x 128, the play field's background
  std::unique_ptr<Surface> boxBackgroundTile;  // 128 x 128, the lighter background of open boxes
  std::unique_ptr<Surface> snapshotSurface;    // the finished picture under the fireworks
  std::unique_ptr<Surface> sparkleSprite;
  std::array<std::unique_ptr<Surface>, kParticleSpriteCount> particleSprites;
  std::unique_ptr<Surface> boxHandleEmpty;  // the handle of a box that holds nothing
  std::unique_ptr<Surface> boxHandleFull;
  std::array<std::unique_ptr<Surface>, kCornerBoxCount> boxIcons;

  PaintMethod method = PaintMethod::Fast;
  EdgeRoutines routines;  // chosen once for the display's depth
  OpenSidesIndex openSides;
};

// View creation: both tiles made and filled from the settings, the sparkle and particle sprites,
// the box handles and icons, and the outline routines for the service's depth.
PaintResources MakePaintResources(SurfaceService& service, const BitmapProvider& bitmaps,
                                  const TileSettings& tiles,
                                  PaintMethod method = PaintMethod::Fast);

// (Re)loads the sparkle and the six particle sprites, keyed black.
void LoadSprites(PaintResources& resources, SurfaceService& service, const BitmapProvider& bitmaps);

// The first paint: the composed frame of the view's size. False when it cannot be made.
bool CreateBackSurface(PaintResources& resources, SurfaceService& service, int width, int height);

// Completion: a new snapshot of the whole composed frame, replacing any earlier one. False
// (and no snapshot) when there is no frame or the copy cannot be made.
bool TakeSnapshot(PaintResources& resources, SurfaceService& service);
