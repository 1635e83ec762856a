// The left-button handlers of the play field.
#include "play/Dragging.h"

#include "play/DropLimit.h"
#include "play/GroupBounds.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"
#include "play/Joining.h"

namespace {

// The sparkle plays a little right of the pointer that dropped the joining group.
constexpr int kSparkleOffsetX = 16;

CornerBox* BoxNumbered(PlayState& state, int number) {
  if (number < 1 || number > kCornerBoxCount) return nullptr;
  return &state.boxes[static_cast<std::size_t>(number - 1)];
}

}  // namespace

void MoveGroup(PieceGroup& group, int dx, int dy) {
  for (Piece* piece : group.pieces) {
    piece->prevX = piece->x;
    piece->prevY = piece->y;
    piece->x += dx;
    piece->y += dy;
  }
}

void LeftButtonDown(PlayState& state, PuzzleRecord& puzzle, ClientPoint point,
                    PlayEffects& effects) {
  if (state.mode != ViewMode::Play || state.flags.paused) return;
  if (OfferClickToBoxes(state.boxes, point, effects)) return;
  const int boxNumber = BoxNumberAt(state.boxes, point);
  state.drag.lastPoint = point;
  state.drag.dragging = true;
  const HitResult hit = HitTest(puzzle, point, boxNumber);
  if (!hit) {
    puzzle.draggedGroup = nullptr;
    return;
  }
  effects.captureMouse = true;
  PieceGroup* group = puzzle.groups[static_cast<std::size_t>(hit.groupIndex)].get();
  puzzle.draggedGroup = group;
  BringToFront(puzzle, group);
  if (CornerBox* box = BoxNumbered(state, boxNumber)) box->highlighted = true;
  if (const auto bounds = GroupBounds(group)) {
    effects.Repaint(WithShadowRoom(*bounds).Intersected(state.playArea));
  }
}

void MouseMove(PlayState& state, PuzzleRecord& puzzle, ClientPoint point, PlayEffects& effects) {
  if (state.mode != ViewMode::Play || !state.drag.dragging) return;
  if (PieceGroup* group = puzzle.draggedGroup) {
    HoverBoxes(state.boxes, point, *group, effects);
    const int dx = point.x - state.drag.lastPoint.x;
    const int dy = point.y - state.drag.lastPoint.y;
    const auto old = GroupBounds(group);
    MoveGroup(*group, dx, dy);
    if (old) {
      const Rect swept = RectUnion(*old, old->Offset(dx, dy));
      effects.Repaint(WithShadowRoom(swept).Intersected(state.playArea));
    }
  }
  state.drag.lastPoint = point;
}

void LeftButtonUp(PlayState& state, PuzzleRecord& puzzle, ClientPoint point, PlayEffects& effects) {
  if (state.mode != ViewMode::Play) return;
  if (TryJoin(state, puzzle, effects)) {
    effects.joinSound = true;
    state.sparkle.x = point.x + kSparkleOffsetX;
    state.sparkle.y = point.y;
  }
  if (PieceGroup* group = puzzle.draggedGroup) {
    SettleGroup(state, *group);
    puzzle.draggedGroup = nullptr;
    effects.Repaint(state.playArea);
  }
  state.drag.dragging = false;
  effects.releaseMouse = true;
}

void SettleGroup(PlayState& state, PieceGroup& group) {
  KeepGroupInside(state, group);
  if (CornerBox* box = BoxNumbered(state, group.box)) box->highlighted = false;
}

void EndDragWithoutRelease(PlayState& state, PuzzleRecord& puzzle) {
  if (PieceGroup* group = puzzle.draggedGroup) SettleGroup(state, *group);
  for (CornerBox& box : state.boxes) box.highlighted = false;
  puzzle.draggedGroup = nullptr;
  state.drag.dragging = false;
}
