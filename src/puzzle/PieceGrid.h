// The grid of cells that cutting lays over the fitted picture, and the progress it reports.
#pragma once

#include <cstdint>

// Cell (c, r) is the square of pieceSize at (marginX + c * pieceSize, marginY + r * pieceSize):
// the strips left over are split evenly, the odd pixel going to the right or bottom.
struct CutGrid {
  int cols = 0;
  int rows = 0;
  int marginX = 0;
  int marginY = 0;
};

// No cells when the picture is narrower or lower than one piece (or pieceSize is not positive).
CutGrid PlanCutGrid(int pictureWidth, int pictureHeight, int pieceSize);

// The progress range of a cut: one step per row in each of the first two phases, one per piece
// in each of the last two, and one more per piece for the turned images; kept modulo 65536 as
// the progress bar holds it.
int CutProgressRange(const CutGrid& grid, bool rotationOn);
