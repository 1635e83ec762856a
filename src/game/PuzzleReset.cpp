// The reset of a puzzle's game.
#include "game/PuzzleReset.h"

#include "library/PuzzleFileUpdate.h"

FileStatus ResetPuzzle(PuzzleRecord& puzzle) {
  ReleasePlayData(puzzle, false);
  puzzle.solvedPercent = 0;
  puzzle.hours = 0;
  puzzle.minutes = 0;
  puzzle.seconds = 0;
  return DiscardPieceBlock(puzzle);
}
