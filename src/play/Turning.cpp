// Turning groups with the right button.
#include "play/Turning.h"

#include <algorithm>

#include "play/Dragging.h"
#include "play/GroupBounds.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"
#include "play/Joining.h"

namespace {

PieceGroup* GroupHolding(PuzzleRecord& puzzle, const Piece* piece) {
  for (const auto& group : puzzle.groups) {
    if (std::ranges::find(group->pieces, piece) != group->pieces.end()) return group.get();
  }
  return nullptr;
}

}  // namespace

bool RightButtonDownShowsMenu(const PlayState& state, const PuzzleRecord* puzzle,
                              ClientPoint point) {
  switch (state.mode) {
    case ViewMode::Celebration:
      return false;
    case ViewMode::Play:
      return puzzle == nullptr || !HitTest(*puzzle, point, BoxNumberAt(state.boxes, point));
    case ViewMode::Gallery:
      return true;
  }
  return false;
}

void TurnGroup(PieceGroup& group, const Piece& centre) {
  // Copied first: the centre piece itself turns in the loop.
  const int cx = centre.x, cy = centre.y;
  for (Piece* piece : group.pieces) {
    const int x = piece->x, y = piece->y;
    piece->prevX = x;
    piece->prevY = y;
    piece->rotation = (piece->rotation + 1) & (kRotationCount - 1);
    piece->x = cx + cy - y;
    piece->y = cy + x - cx;
  }
}

void RightButtonUp(PlayState& state, PuzzleRecord& puzzle, ClientPoint point,
                   PlayEffects& effects) {
  if (state.mode != ViewMode::Play || puzzle.rotationOn == 0) return;
  const HitResult hit = HitTest(puzzle, point, BoxNumberAt(state.boxes, point));
  if (!hit) return;
  // A group held by a left drag is let go by the turn. It is found again by a piece of it: the
  // joins may merge it into another group.
  const Piece* held =
      puzzle.draggedGroup != nullptr ? puzzle.draggedGroup->pieces.front() : nullptr;
  PieceGroup* group = puzzle.groups[static_cast<std::size_t>(hit.groupIndex)].get();
  const auto old = GroupBounds(group);
  TurnGroup(*group, *hit.piece);
  puzzle.draggedGroup = group;
  BringToFront(puzzle, group);
  TryJoin(state, puzzle, effects);
  puzzle.draggedGroup = nullptr;
  if (PieceGroup* holding = GroupHolding(puzzle, held)) {
    SettleGroup(state, *holding);
    effects.Repaint(state.playArea);
  }
  // Every join brings its group to the front, so the turned group, joined or not, is last.
  const auto turned = GroupBounds(puzzle.groups.back().get());
  if (old && turned) {
    effects.Repaint(WithShadowRoom(RectUnion(*old, *turned)).Intersected(state.playArea));
  }
}
