// Picking: the topmost group whose piece image is not transparent under a point.
#pragma once

#include "play/ClientPoint.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Surface.h"

struct HitResult {
  int groupIndex = -1;     // index in the group sequence, -1 for no hit
  Piece* piece = nullptr;  // the hit piece, none for no hit
  explicit operator bool() const { return piece != nullptr; }
};

// Whether pixel (x, y) of a piece image is not the transparent black: in 16-bit formats the
// colour bits, in 24-bit formats the three bytes, in 32-bit formats the whole word. A point
// outside the surface, or a surface that cannot be locked, is transparent; any other depth
// counts as opaque.
bool IsOpaqueAt(const Surface& image, int x, int y);

// Walks the groups from the topmost down, skipping those whose box number is not boxNumber,
// and answers the first piece, in group order, whose current image is opaque at the point.
// A piece without an image for its rotation is never hit.
HitResult HitTest(const PuzzleRecord& puzzle, ClientPoint point, int boxNumber);
