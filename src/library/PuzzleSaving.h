// Saving played puzzles: when the player leaves a game, and for every puzzle at program end.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/FileStatus.h"
#include "library/PuzzlePack.h"
#include "puzzle/PuzzleRecord.h"

// Leaving a game: SavePieceBlock, then `storePlayState` copies the corner boxes, the ghost and
// thumbnail flags and the clock into the record, then UpdatePuzzleHeader. The header is
// updated even when the piece block could not be saved; the answer names every failure.
FileStatus SaveLeftGame(PuzzleRecord& puzzle,
                        const std::function<void(PuzzleRecord&)>& storePlayState);

// A puzzle file that could not be saved at program end, and why.
struct SaveFailure {
  std::string path;
  std::string reason;
};

// Program end, after the play state of a game still open was copied into its record: for
// every puzzle of every pack, UpdatePuzzleHeader, then SavePieceBlock when the puzzle was
// played since the program started (its pieces are in memory). A file that fails is passed
// over; the answer lists every failure.
std::vector<SaveFailure> SaveAllPuzzles(const PuzzleLibrary& library);
