// The turned image sets of the pieces of a puzzle with rotation on.
#pragma once

#include <memory>
#include <span>

#include "puzzle/CutProgress.h"
#include "puzzle/Piece.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// A system-memory copy of `source` turned by quarterTurns (1..3) clockwise with its colour key:
// the pixel (x, y) of a w x h source goes to (h - 1 - y, x) for one turn. None when the copy
// cannot be made or `source` cannot be read.
std::unique_ptr<Surface> TurnedSurface(SurfaceService& service, const Surface& source,
                                       int quarterTurns);

// For r = 1, 2, 3: imageMaster[r] and shadowMaster[r] turned from index 0, their display copies
// image[r] and shadow[r], and edgeOverlay[r] turned from edgeOverlay[0] (each word unchanged:
// its side flags keep naming the upright piece's sides). What index 0 lacks stays absent.
void MakePieceRotations(SurfaceService& service, Piece& piece);

// The turned sets of `pieces` in order, one progress step per piece, in one block sized for them.
void MakeRotations(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                   CutProgress& progress);
