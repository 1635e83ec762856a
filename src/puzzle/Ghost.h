// The ghost: the faded guide picture of the assembled puzzle.
#pragma once

#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// Sets the puzzle's ghost rectangle (the cut area of the fitted picture, centred in the play
// area) and makes ghostMaster: that area of `picture`, faded to the middle third of each
// channel's range. The grid is the one the fitted picture gives for the puzzle's piece size, so
// the ghost always matches the pieces cut from it, also when the play area has changed since
// the puzzle was made. Without a surface (or with a size choice out of range) the puzzle has no
// ghostMaster.
void MakeGhost(SurfaceService& service, const Rect& playArea, const Surface& picture,
               PuzzleRecord& puzzle);
