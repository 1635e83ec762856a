// The play field's painting, bottom to top.
#include "paint/PlayFieldPainter.h"

#include "paint/PaintBitmaps.h"

namespace {

PaintStatus PaintGhost(Surface& back, const PlayState& state, const PuzzleRecord& puzzle,
                       const Rect& clip) {
  if (!state.flags.ghost) return PaintStatus::Done;
  const Rect source{puzzle.ghostSrcX, puzzle.ghostSrcY, puzzle.ghostWidth, puzzle.ghostHeight};
  return CopyClipped(back, puzzle.ghost.get(), source, puzzle.ghostX, puzzle.ghostY, clip,
                     BlitKey::None);
}

}  // namespace

PaintStatus TileArea(Surface& back, const Surface* tile, const Rect& area, const Rect& clip) {
  if (tile == nullptr) return PaintStatus::Done;
  const int columns = area.Width() / kTileSide + 1;
  const int rows = area.Height() / kTileSide + 1;
  PaintStatus status = PaintStatus::Done;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      status = status | CopyClipped(back, tile, tile->Bounds(), area.left + kTileSide * column,
                                    area.top + kTileSide * row, clip, BlitKey::None);
    }
  }
  return status;
}

void DrawDraggedGroup(PieceDrawer& drawer, const PuzzleRecord& puzzle, const Rect& clip) {
  const PieceGroup& dragged = *puzzle.draggedGroup;
  if (const int offset = ShadowOffset(puzzle.sizeChoice); offset > 0)
    drawer.DrawGroupShadow(dragged, clip, offset);
  drawer.DrawGroup(dragged, clip);
}

PaintStatus PaintPlayField(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const Rect& rect) {
  if (!resources.backSurface) return PaintStatus::Done;
  Surface& back = *resources.backSurface;
  const Rect clip = rect.Intersected(back.Bounds());
  if (clip.IsEmpty()) return PaintStatus::Done;
  PaintStatus status = TileArea(back, resources.backgroundTile.get(), state.playArea, clip);
  if (puzzle == nullptr) return status;
  status = status | PaintGhost(back, state, *puzzle, clip);

  const SurfaceLock target = back.Lock();
  if (!target) return status | FailureOf(back, nullptr);
  PieceDrawer drawer(resources, target, *puzzle);
  for (const auto& group : puzzle->groups) {
    if (group.get() != puzzle->draggedGroup && group->box == 0) drawer.DrawGroup(*group, clip);
  }
  if (puzzle->draggedGroup != nullptr && puzzle->draggedGroup->box == 0)
    DrawDraggedGroup(drawer, *puzzle, clip);
  return status | drawer.Status();
}
