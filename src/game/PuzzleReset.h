// Discarding a puzzle's game so that the next play cuts and scatters it anew.
#pragma once

#include "puzzle/PuzzleRecord.h"

// Scatter, Play on a completed puzzle, and Modify: the play data goes (the gallery data stays),
// the solved share and the time go back to 0.
void ResetPuzzle(PuzzleRecord& puzzle);
