// The snapping test between two neighbouring pieces.
#include "play/FitsNeighbour.h"

#include <cstdlib>

namespace {

enum Relation { kLeftOf, kRightOf, kAbove, kBelow, kUnrelated };

// Where the stationary piece lies relative to the moved one in the grid.
Relation GridRelation(const Piece& s, const Piece& m) {
  if (s.row == m.row && s.col + 1 == m.col) return kLeftOf;
  if (s.row == m.row && s.col == m.col + 1) return kRightOf;
  if (s.col == m.col && s.row + 1 == m.row) return kAbove;
  if (s.col == m.col && s.row == m.row + 1) return kBelow;
  return kUnrelated;
}

struct Step {
  int w;  // multiple of the cell width
  int h;  // multiple of the cell height
};

// The moved piece's expected offset from the stationary one, per rotation (quarter turns
// clockwise on the screen) and relation, in cells.
constexpr Step kExpected[kRotationCount][4] = {
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}},
    {{0, 1}, {0, -1}, {-1, 0}, {1, 0}},
    {{-1, 0}, {1, 0}, {0, -1}, {0, 1}},
    {{0, -1}, {0, 1}, {1, 0}, {-1, 0}},
};

}  // namespace

NeighbourFit FitsNeighbour(const Piece& stationary, const Piece& moved) {
  const Piece& s = stationary;
  const Piece& m = moved;
  if (s.rotation != m.rotation || s.rotation < 0 || s.rotation >= kRotationCount) return {};
  const Relation relation = GridRelation(s, m);
  if (relation == kUnrelated) return {};
  const Step step = kExpected[s.rotation][relation];
  const int dx = (m.x + m.halfCellWidth) - (s.x + s.halfCellWidth) - step.w * s.cellWidth;
  const int dy = (m.y + m.halfCellHeight) - (s.y + s.halfCellHeight) - step.h * s.cellHeight;
  if (std::abs(dx) > kSnapDistance || std::abs(dy) > kSnapDistance) return {};
  return {true, dx, dy};
}
