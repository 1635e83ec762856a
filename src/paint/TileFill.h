// The two 128 x 128 background tiles: one colour, or a grey texture tinted with the colour.
#pragma once

#include <cstdint>

#include "surface/Bitmap.h"
#include "surface/BitmapProvider.h"
#include "surface/Surface.h"

// The background as the settings keep it. The colour holds red in its low byte, then green,
// then blue; texture number i is bitmap 217 + i.
struct TileSettings {
  uint32_t colour = 0;
  bool textureEnabled = false;
  int textureIndex = 0;
};

// A channel multiplied by 1.3, truncated, and capped at `max` (so it never wraps).
uint32_t Lighten(uint32_t channel, uint32_t max);

// Fills `tile` with the colour, each channel brought to the tile's channel width and lightened
// when asked. With a texture, the tile takes the texture's top-left corner (black where the
// texture is smaller than the tile) and every pixel then becomes the colour scaled by the
// pixel's blue intensity, reduced to the channel widths and lightened when asked. False when
// the tile cannot be written (lost).
bool FillTile(Surface& tile, const Bitmap* texture, uint32_t colour, bool lighter);

// Fills the play field's tile and the lighter tile of open boxes from the settings, with the
// texture when it is enabled and its bitmap loads. Missing tiles are skipped.
void FillBackgroundTiles(Surface* backgroundTile, Surface* boxBackgroundTile,
                         const BitmapProvider& bitmaps, const TileSettings& settings);
