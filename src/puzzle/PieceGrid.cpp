// Planning the cut grid and its progress range.
#include "puzzle/PieceGrid.h"

CutGrid PlanCutGrid(int pictureWidth, int pictureHeight, int pieceSize) {
  if (pieceSize <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
  CutGrid grid;
  grid.cols = pictureWidth / pieceSize;
  grid.rows = pictureHeight / pieceSize;
  grid.marginX = (pictureWidth - grid.cols * pieceSize) / 2;
  grid.marginY = (pictureHeight - grid.rows * pieceSize) / 2;
  return grid;
}

int CutProgressRange(const CutGrid& grid, bool rotationOn) {
  const int64_t cols = grid.cols, rows = grid.rows;
  const int64_t steps = rotationOn ? rows * (3 * cols + 2) : 2 * rows * (cols + 1);
  return static_cast<int>(steps % 65536);
}
