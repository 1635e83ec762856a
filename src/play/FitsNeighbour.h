// Whether a moved piece lies close enough to its true neighbour to snap.
#pragma once

#include "puzzle/Piece.h"

// Pieces snap when both reference points lie within this many pixels of the expected offset on
// each axis.
inline constexpr int kSnapDistance = 9;

struct NeighbourFit {
  bool fits = false;
  int dx = 0;  // the residual offset of the moved piece from its exact place
  int dy = 0;
  bool operator==(const NeighbourFit&) const = default;
};

// `stationary` is a piece of a resting group and `moved` one of the moved group. They fit when
// they are grid neighbours with the same rotation and the moved piece's reference point (its
// corner plus half a cell) lies within kSnapDistance of where the rotation puts it.
NeighbourFit FitsNeighbour(const Piece& stationary, const Piece& moved);
