// Making the display copies of a piece's images again from their masters.
#pragma once

#include "puzzle/Piece.h"
#include "surface/SurfaceService.h"

// For a puzzle played again while its pieces stayed in memory: for every rotation whose master
// exists, image[r] and shadow[r] are made anew as display copies of imageMaster[r] and
// shadowMaster[r] with the masters' colour keys. Copies that cannot be made stay absent.
void RebuildDisplayCopies(SurfaceService& service, Piece& piece);
