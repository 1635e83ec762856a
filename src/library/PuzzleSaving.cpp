// The two moments a played puzzle is written back.
#include "library/PuzzleSaving.h"

#include "library/PuzzleFileUpdate.h"

FileStatus SaveLeftGame(PuzzleRecord& puzzle,
                        const std::function<void(PuzzleRecord&)>& storePlayState) {
  storePlayState(puzzle);
  return SavePieceBlock(puzzle);
}

std::vector<SaveFailure> SaveAllPuzzles(const PuzzleLibrary& library) {
  std::vector<SaveFailure> failures;
  for (const auto& pack : library.packs) {
    for (const auto& puzzle : pack->puzzles) {
      const FileStatus status =
          puzzle->pieces.empty() ? UpdatePuzzleHeader(*puzzle) : SavePieceBlock(*puzzle);
      if (!status) failures.push_back({puzzle->filePath, status.Reason()});
    }
  }
  return failures;
}
