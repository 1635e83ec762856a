// Cutting the fitted picture into the grid of pieces with interlocking outlines.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "puzzle/CutProgress.h"
#include "puzzle/EdgeMasks.h"
#include "puzzle/Piece.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// What cutting takes from the view, and the grid it leaves there.
struct CutContext {
  SurfaceService& service;  // the display's pixel format; makes every surface
  const EdgeMaskSurfaces& edgeMasks;
  CutProgress& progress;
  uint16_t gridCols = 0;  // the grid of the last cut
  uint16_t gridRows = 0;
};

// One block for `images` piece images of side x side and as many shadow masks, with the records
// of their display copies, and for overlays of `outline` words in all: made ready before they
// are made, released with the last of them.
std::unique_ptr<SurfaceReservation> ReservePieceImages(SurfaceService& service, std::size_t images,
                                                       int side, std::size_t outline);

// Cuts `picture` into square cells of pieceSize and appends one piece per cell to `pieces` in
// id order: the random rotation (with rotationOn) and tabs, the image of the cell with a margin
// of overlap / 2 on its inner sides cut by the edge masks of maskSet, then the shadow mask, the
// outline overlay and the display copies. Sets the progress range and steps through it; sets
// the context's grid. Answers the number of pieces, columns x rows. A surface that cannot be
// made leaves its piece without that image; the piece is still made. The pieces' surfaces share
// one block sized from the grid.
int CutPicture(CutContext& context, const Surface& picture, int pieceSize, int overlap, int maskSet,
               bool rotationOn, std::vector<std::unique_ptr<Piece>>& pieces);
