// A left-button drag that the celebration cuts short still ends: the mouse is let go.
#include <memory>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "play/GroupOrder.h"
#include "play/Joining.h"

namespace {

// Every piece at home and upright in one group, except `last`, which lies at home turned three
// quarters in a group of its own on top: one right-click completes the puzzle.
void LeaveOneTurnToGo(PuzzleRecord& puzzle, Piece& last) {
  puzzle.groups.clear();
  auto rest = std::make_unique<PieceGroup>();
  for (const auto& piece : puzzle.pieces) {
    LayAtHome(*piece, puzzle.ghostX, puzzle.ghostY);
    piece->rotation = 0;
    if (piece.get() != &last) rest->pieces.push_back(piece.get());
  }
  last.rotation = 3;
  auto alone = std::make_unique<PieceGroup>();
  alone->pieces.push_back(&last);
  puzzle.groups.push_back(std::move(rest));
  puzzle.groups.push_back(std::move(alone));
}

TEST_F(GameTest, CompletingByATurnDuringALeftDragReleasesTheMouse) {
  h.Puzzle(0).rotationOn = 1;
  h.Play();
  PuzzleRecord& puzzle = h.Open();
  Piece& last = *puzzle.pieces.back();
  LeaveOneTurnToGo(puzzle, last);
  const auto grab = GrabPoint(h.game(), *puzzle.groups.front());
  const auto turn = GrabPoint(h.game(), *puzzle.groups.back());
  ASSERT_TRUE(grab && turn);

  h.game().LeftButtonDown(*grab);
  ASSERT_TRUE(h.host.mouseCaptured);
  h.game().RightButtonDown(*turn);
  h.game().RightButtonUp(*turn);
  ASSERT_EQ(h.game().Mode(), ViewMode::Celebration);
  EXPECT_EQ(puzzle.solvedPercent, 100);

  h.game().LeftButtonUp(*grab);
  EXPECT_FALSE(h.host.mouseCaptured);
  EXPECT_FALSE(h.game().State().drag.dragging);
  EXPECT_EQ(puzzle.draggedGroup, nullptr);
}

}  // namespace
