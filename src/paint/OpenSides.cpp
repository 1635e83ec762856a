// The open sides of a piece: by the rule over its group, and through a grid of marked cells.
#include "paint/OpenSides.h"

#include "puzzle/EdgeOverlay.h"

namespace {

// Far more cells than any play field can hold pieces; larger grids come only from damaged
// records and go to the rule instead.
constexpr std::size_t kMaxIndexedCells = std::size_t{1} << 22;

}  // namespace

uint32_t OpenSides(const PieceGroup& group, const Piece& piece) {
  uint32_t open = kAllSidesOpen;
  for (const Piece* other : group.pieces) {
    if (other == &piece) continue;
    if (other->row == piece.row && other->col == piece.col - 1) open &= ~kOverlayLeft;
    if (other->row == piece.row && other->col == piece.col + 1) open &= ~kOverlayRight;
    if (other->col == piece.col && other->row == piece.row - 1) open &= ~kOverlayTop;
    if (other->col == piece.col && other->row == piece.row + 1) open &= ~kOverlayBottom;
  }
  return open;
}

bool OpenSidesIndex::Mark(const PieceGroup& group, int cols, int rows) {
  if (cols <= 0 || rows <= 0) return false;
  const std::size_t cells = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
  if (cells > kMaxIndexedCells) return false;
  for (const Piece* piece : group.pieces) {
    if (piece->col < 0 || piece->col >= cols || piece->row < 0 || piece->row >= rows) return false;
  }
  if (cols != cols_ || rows != rows_ || mark_ == UINT32_MAX) {
    marks_.assign(cells, 0);
    cols_ = cols;
    rows_ = rows;
    mark_ = 0;
  }
  ++mark_;
  for (const Piece* piece : group.pieces) {
    marks_[static_cast<std::size_t>(piece->row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(piece->col)] = mark_;
  }
  return true;
}

bool OpenSidesIndex::MarkedAt(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return false;
  return marks_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                static_cast<std::size_t>(col)] == mark_;
}

uint32_t OpenSidesIndex::Of(const Piece& piece) const {
  uint32_t open = kAllSidesOpen;
  if (MarkedAt(piece.col - 1, piece.row)) open &= ~kOverlayLeft;
  if (MarkedAt(piece.col + 1, piece.row)) open &= ~kOverlayRight;
  if (MarkedAt(piece.col, piece.row - 1)) open &= ~kOverlayTop;
  if (MarkedAt(piece.col, piece.row + 1)) open &= ~kOverlayBottom;
  return open;
}
