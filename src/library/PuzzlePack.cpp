// Selecting packs and keeping their display copies.
#include "library/PuzzlePack.h"

namespace {

void ReleasePuzzleCopies(PuzzlePack& pack) {
  for (auto& puzzle : pack.puzzles) {
    puzzle->thumb.reset();
    puzzle->dropShadow.reset();
  }
}

std::unique_ptr<Surface> CopyOf(SurfaceService& service, const std::unique_ptr<Surface>& master) {
  return master ? CreateDisplayCopy(service, *master) : nullptr;
}

}  // namespace

void MakePuzzleDisplayCopies(SurfaceService& service, PuzzleRecord& puzzle) {
  puzzle.thumb = CopyOf(service, puzzle.thumbMaster);
  puzzle.dropShadow = CopyOf(service, puzzle.dropShadowMaster);
}

void SelectPack(SurfaceService& service, PuzzleLibrary& library, PuzzlePack* pack) {
  if (library.currentPack) ReleasePuzzleCopies(*library.currentPack);
  if (!pack) return;
  library.currentPack = pack;
  for (auto& puzzle : pack->puzzles) MakePuzzleDisplayCopies(service, *puzzle);
}

void ReleasePackDisplayCopies(PuzzleLibrary& library) {
  for (auto& pack : library.packs) {
    pack->thumb.reset();
    pack->dropShadow.reset();
  }
  if (library.currentPack) ReleasePuzzleCopies(*library.currentPack);
}

void RestorePackDisplayCopies(SurfaceService& service, PuzzleLibrary& library) {
  for (auto& pack : library.packs) {
    pack->thumb = CopyOf(service, pack->thumbMaster);
    pack->dropShadow = CopyOf(service, pack->dropShadowMaster);
  }
  SelectPack(service, library, library.currentPack);
}

void ReleasePuzzlePacks(PuzzleLibrary& library) {
  library.currentPack = nullptr;
  for (auto& pack : library.packs) {
    pack->currentPuzzle = nullptr;
    for (auto& puzzle : pack->puzzles) ReleasePlayData(*puzzle, true);
  }
  library.packs.clear();
}
