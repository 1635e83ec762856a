// Releasing what a puzzle's play built.
#include "puzzle/PuzzleRecord.h"

void Piece::ReleaseImages() {
  for (int r = 0; r < kRotationCount; ++r) {
    edgeOverlay[r] = {};
    shadow[r].reset();
    image[r].reset();
    shadowMaster[r].reset();
    imageMaster[r].reset();
  }
}

void ReleasePlayData(PuzzleRecord& puzzle, bool withGalleryData) {
  if (withGalleryData) {
    puzzle.filePath = {};
    puzzle.name = {};
    puzzle.thumb.reset();
    puzzle.thumbMaster.reset();
    puzzle.dropShadow.reset();
    puzzle.dropShadowMaster.reset();
  }
  puzzle.ghost.reset();
  puzzle.ghostMaster.reset();
  puzzle.picture.reset();
  // Groups only refer to pieces and are never followed while this runs, so pieces may go first.
  puzzle.savedPieces.clear();
  puzzle.savedPieces.shrink_to_fit();
  puzzle.savedGroups.clear();
  puzzle.savedGroups.shrink_to_fit();
  for (auto& piece : puzzle.pieces) piece->ReleaseImages();
  puzzle.pieces.clear();
  puzzle.pieces.shrink_to_fit();
  puzzle.draggedGroup = nullptr;
  puzzle.groups.clear();
  puzzle.groups.shrink_to_fit();
}
