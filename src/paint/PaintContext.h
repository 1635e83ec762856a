// What painting needs from the view besides its drawing objects and the play model.
#pragma once

#include "paint/TileFill.h"
#include "surface/BitmapProvider.h"
#include "surface/SurfaceService.h"

// Made by the view for a repaint; nothing in it is kept.
struct PaintContext {
  SurfaceService& service;
  const BitmapProvider& bitmaps;
  TileSettings tiles;
  int displayBitsPerPixel = 32;  // the display mode's depth as read now
};
