// A corner box, bottom to top: tiles, stored groups, the hovering group, frame, handle, icon.
#include "paint/CornerBoxPainter.h"

#include <algorithm>

#include "paint/PieceDrawer.h"
#include "paint/PlayFieldPainter.h"
#include "surface/SurfaceDrawingContext.h"

namespace {

bool HoldsContent(const CornerBox& box, const PuzzleRecord* puzzle) {
  if (box.highlighted) return true;
  if (puzzle == nullptr) return false;
  return std::any_of(puzzle->groups.begin(), puzzle->groups.end(),
                     [&](const auto& group) { return group->box == box.number; });
}

PaintStatus DrawGroups(PaintResources& resources, const CornerBox& box, const PuzzleRecord& puzzle,
                       const Rect& clip) {
  Surface& back = *resources.backSurface;
  const SurfaceLock target = back.Lock();
  if (!target) return FailureOf(back, nullptr);
  PieceDrawer drawer(resources, target, puzzle);
  for (const auto& group : puzzle.groups) {
    if (group.get() != puzzle.draggedGroup && group->box == box.number)
      drawer.DrawGroup(*group, clip);
  }
  if (box.highlighted && puzzle.draggedGroup != nullptr) DrawDraggedGroup(drawer, puzzle, clip);
  return drawer.Status();
}

void DrawFrame(Surface& back, const Rect& openRect) {
  SurfaceDrawingContext context(back);
  const uint32_t rings[] = {kBoxFrameDark, kBoxFrameLight, kBoxFrameLight, kBoxFrameDark};
  Rect ring = openRect;
  for (const uint32_t colour : rings) {
    context.FrameRect(ring, colour, 1);
    ring = {ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
  }
}

// An icon copied unkeyed into `place`, at most its size, clipped only to the frame.
PaintStatus DrawIcon(Surface& back, const Surface* icon, const Rect& place) {
  if (icon == nullptr) return PaintStatus::Done;
  const Rect source{0, 0, std::min(icon->Width(), place.Width()),
                    std::min(icon->Height(), place.Height())};
  return CopyClipped(back, icon, source, place.left, place.top, back.Bounds(), BlitKey::None);
}

}  // namespace

PaintStatus PaintCornerBox(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const CornerBox& box, const Rect& rect) {
  if (!resources.backSurface) return PaintStatus::Done;
  Surface& back = *resources.backSurface;
  const Rect clip = rect.Intersected(box.VisibleRect()).Intersected(back.Bounds());
  if (clip.IsEmpty()) return PaintStatus::Done;
  PaintStatus status = PaintStatus::Done;
  if (box.open) status = TileArea(back, resources.boxBackgroundTile.get(), state.client, clip);
  const bool content = HoldsContent(box, puzzle);
  if (puzzle != nullptr) status = status | DrawGroups(resources, box, *puzzle, clip);
  if (box.open) DrawFrame(back, box.openRect);
  const Surface* handle = content ? resources.boxHandleFull.get() : resources.boxHandleEmpty.get();
  status = status | DrawIcon(back, handle, box.closedRect);
  if (box.open && box.number >= 1 && box.number <= kCornerBoxCount) {
    const Surface* icon = resources.boxIcons[static_cast<std::size_t>(box.number - 1)].get();
    status = status | DrawIcon(back, icon, box.InnerHandle());
  }
  return status;
}
