// Saving played puzzles: when the player leaves a game, and for every puzzle at program end.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/FileStatus.h"
#include "library/PuzzlePack.h"
#include "puzzle/PuzzleRecord.h"

// Leaving a game: `storePlayState` copies the corner boxes, the ghost and thumbnail flags and
// the clock into the record, then SavePieceBlock writes the game and that header in one
// replacement. When it fails the file is left as it was, so its header never describes a game
// other than the one it holds.
FileStatus SaveLeftGame(PuzzleRecord& puzzle,
                        const std::function<void(PuzzleRecord&)>& storePlayState);

// A puzzle file that could not be saved at program end, and why.
struct SaveFailure {
  std::string path;
  std::string reason;
};

// Program end, after the play state of a game still open was copied into its record: for
// every puzzle of every pack, SavePieceBlock (header and game together) when the puzzle was
// played since the program started (its pieces are in memory), else UpdatePuzzleHeader. A file
// that fails is passed over; the answer lists every failure.
std::vector<SaveFailure> SaveAllPuzzles(const PuzzleLibrary& library);
