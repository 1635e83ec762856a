// The two moments a played puzzle is written back.
#include "library/PuzzleSaving.h"

#include "library/PuzzleFileUpdate.h"

FileStatus SaveLeftGame(PuzzleRecord& puzzle,
                        const std::function<void(PuzzleRecord&)>& storePlayState) {
  const FileStatus block = SavePieceBlock(puzzle);
  storePlayState(puzzle);
  const FileStatus header = UpdatePuzzleHeader(puzzle);
  if (block && header) return FileStatus::Done();
  if (!block && !header) return FileStatus::Failed(block.Reason() + "; " + header.Reason());
  return block ? header : block;
}

std::vector<SaveFailure> SaveAllPuzzles(const PuzzleLibrary& library) {
  std::vector<SaveFailure> failures;
  for (const auto& pack : library.packs) {
    for (const auto& puzzle : pack->puzzles) {
      if (FileStatus status = UpdatePuzzleHeader(*puzzle); !status)
        failures.push_back({puzzle->filePath, status.Reason()});
      if (puzzle->pieces.empty()) continue;
      if (FileStatus status = SavePieceBlock(*puzzle); !status)
        failures.push_back({puzzle->filePath, status.Reason()});
    }
  }
  return failures;
}
