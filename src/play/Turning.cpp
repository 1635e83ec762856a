// Turning groups with the right button.
#include "play/Turning.h"

#include "play/GroupBounds.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"
#include "play/Joining.h"

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
  PieceGroup* group = puzzle.groups[static_cast<std::size_t>(hit.groupIndex)].get();
  const auto old = GroupBounds(group);
  TurnGroup(*group, *hit.piece);
  puzzle.draggedGroup = group;
  BringToFront(puzzle, group);
  TryJoin(state, puzzle, effects);
  puzzle.draggedGroup = nullptr;
  // Every join brings its group to the front, so the turned group, joined or not, is last.
  const auto turned = GroupBounds(puzzle.groups.back().get());
  if (old && turned) {
    effects.Repaint(WithShadowRoom(RectUnion(*old, *turned)).Intersected(state.playArea));
  }
}
