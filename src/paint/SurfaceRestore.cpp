// Restoring the view's surfaces after a loss.
#include "paint/SurfaceRestore.h"

#include "paint/PlayFrame.h"
#include "surface/Blit.h"

namespace {

// A lost display copy is made again from its master and shares the master's pixels, which is
// the same picture a restore and a copy would give. A lost copy without a master could only
// show undefined pixels, so it is dropped and no longer drawn.
void RemakeCopy(SurfaceService& service, std::unique_ptr<Surface>& copy,
                const std::unique_ptr<Surface>& master) {
  if (!copy || !copy->IsLost()) return;
  copy = master ? CreateDisplayCopy(service, *master) : nullptr;
}

void RestorePuzzle(SurfaceService& service, PuzzleRecord& puzzle) {
  for (const auto& piece : puzzle.pieces) {
    for (std::size_t r = 0; r < kRotationCount; ++r) {
      RemakeCopy(service, piece->image[r], piece->imageMaster[r]);
      RemakeCopy(service, piece->shadow[r], piece->shadowMaster[r]);
    }
  }
  RemakeCopy(service, puzzle.ghost, puzzle.ghostMaster);
}

void RestoreIfLost(Surface* surface) {
  if (surface != nullptr && surface->IsLost()) surface->Restore();
}

// The snapshot showed the field as it was painted at completion, which the finished puzzle
// still is: painted again into the frame and copied back.
void RepaintSnapshot(PaintResources& resources, const PlayState& state,
                     const PuzzleRecord* puzzle) {
  Surface* snapshot = resources.snapshotSurface.get();
  Surface* back = resources.backSurface.get();
  if (snapshot == nullptr || !snapshot->IsLost()) return;
  snapshot->Restore();
  if (back == nullptr || back->Width() != snapshot->Width() ||
      back->Height() != snapshot->Height()) {
    return;
  }
  PaintPlayFrame(resources, state, puzzle, state.playArea);
  BltFast(*snapshot, 0, 0, *back, back->Bounds());
}

}  // namespace

RestoreResult RestoreSurfaces(PaintResources& resources, const PaintContext& context,
                              const PlayState& state, PuzzleRecord* puzzle) {
  if (context.displayBitsPerPixel != context.service.Format().bitsPerPixel)
    return RestoreResult::DepthChanged;
  RestoreIfLost(resources.backSurface.get());
  RestoreIfLost(resources.backgroundTile.get());
  RestoreIfLost(resources.boxBackgroundTile.get());
  FillBackgroundTiles(resources.backgroundTile.get(), resources.boxBackgroundTile.get(),
                      context.bitmaps, context.tiles);
  LoadSprites(resources, context.service, context.bitmaps);
  if (puzzle != nullptr && state.mode != ViewMode::Gallery) {
    RestorePuzzle(context.service, *puzzle);
    if (state.mode == ViewMode::Celebration) RepaintSnapshot(resources, state, puzzle);
  }
  return RestoreResult::Restored;
}
