// Merging groups, the join loop and completion.
#include "play/Joining.h"

#include "play/GroupOrder.h"
#include "play/SolvedShare.h"

namespace {

// The dragged group moves by the residual offset into the matched group and is destroyed; the
// matched group comes to the front as the new dragged group.
void MergeDragged(PuzzleRecord& puzzle, const JoinMatch& match) {
  PieceGroup* dragged = puzzle.draggedGroup;
  PieceGroup* target = puzzle.groups[match.groupIndex].get();
  for (Piece* piece : dragged->pieces) {
    piece->x -= match.dx;
    piece->y -= match.dy;
    target->pieces.push_back(piece);
  }
  RemoveGroup(puzzle, dragged);
  BringToFront(puzzle, target);
  puzzle.draggedGroup = target;
}

}  // namespace

bool TryJoin(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects, JoinSearch search) {
  if (puzzle.draggedGroup == nullptr) return false;
  bool joined = false;
  while (const auto match = FindJoin(search, puzzle, *puzzle.draggedGroup)) {
    MergeDragged(puzzle, *match);
    state.sparkle.frame = 0;
    joined = true;
  }
  const uint8_t percent = SolvedPercent(puzzle);
  if (percent == puzzle.solvedPercent) return joined;
  puzzle.solvedPercent = percent;
  if (percent == 100) CompletePuzzle(state, puzzle, effects);
  return joined;
}

void LayAtHome(Piece& piece, int homeX, int homeY) {
  const int w = piece.cellWidth, h = piece.cellHeight;
  piece.x = homeX + piece.col * w - (piece.imageWidth - w) / 2;
  piece.y = homeY + piece.row * h - (piece.imageHeight - h) / 2;
}

void CompletePuzzle(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects) {
  state.sparkle.frame = kSparkleResting;
  if (puzzle.draggedGroup != nullptr) {
    for (Piece* piece : puzzle.draggedGroup->pieces) {
      LayAtHome(*piece, puzzle.ghostX, puzzle.ghostY);
    }
    puzzle.draggedGroup->box = 0;
  }
  CloseAllBoxes(state.boxes);
  puzzle.draggedGroup = nullptr;
  effects.Repaint(state.playArea);
  effects.Celebrate();
  effects.Repaint(state.playArea);
}

void EnterCelebration(PlayState& state) {
  state.mode = ViewMode::Celebration;
  LaunchFireworks(state.fireworks, true, state.playArea);
}
