// Painting the gallery: the background, the covers and thumbnails, their texts and frames.
#pragma once

#include "game/GalleryLayout.h"
#include "library/PuzzlePack.h"
#include "paint/ClippedCopy.h"
#include "surface/Rect.h"
#include "surface/Surface.h"
#include "surface/TextPainter.h"

// What one gallery paint reads, and the library whose cells it stores.
struct GalleryScene {
  Surface& back;
  const Surface* backgroundTile;
  TextPainter* text;  // none paints no texts and no frames
  const GalleryLayout& layout;
  PuzzleLibrary& library;
  int packScroll;
  int puzzleScroll;
};

// Repaints `rect` of the composed frame: the background tiles over the client, the current
// pack's puzzles (shadow, then thumbnail) within the puzzle grid and the packs within the strip,
// each cell stored in its record for the hit tests; then the names, counts, information, titles
// and the frames around the current puzzle and the current pack. SurfaceLost when a copy or the
// text failed on a lost surface: the caller restores and paints again.
PaintStatus PaintGallery(const GalleryScene& scene, const Rect& rect);
