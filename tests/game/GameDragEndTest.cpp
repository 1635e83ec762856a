// Drags that end without their button-up: the celebration lets the mouse go, and a leave or a
// turn keeps the held group inside the drop limit, as does restoring a saved game.
#include <memory>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "GameSnapshot.h"
#include "play/GroupBounds.h"
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

// Half the group's first piece and 32 pixels more lie inside the window on every side (its
// shadow included), so a press can pick it again.
::testing::AssertionResult InsideDropLimit(const Game& game, const PieceGroup& group) {
  const Rect client = game.State().client;
  const Rect bounds = WithShadowRoom(GroupBounds(&group).value_or(Rect{}));
  const Piece& first = *group.pieces.front();
  const int keepX = first.imageWidth / 2 + 32, keepY = first.imageHeight / 2 + 32;
  if (bounds.right >= client.left + keepX && bounds.left <= client.right - keepX &&
      bounds.bottom >= client.top + keepY && bounds.top <= client.bottom - keepY) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the group lies at " << bounds.left << "," << bounds.top
                                       << " - " << bounds.right << "," << bounds.bottom;
}

// Picks the top group and drags it far beyond the left window edge, the button held.
PieceGroup& DragFarOutside(GameHarness& h, ClientPoint& pointer) {
  PieceGroup& group = *h.Open().groups.back();
  const auto grab = GrabPoint(h.game(), group);
  EXPECT_TRUE(grab.has_value());
  pointer = {grab.value_or(ClientPoint{}).x - 3000, grab.value_or(ClientPoint{}).y};
  h.game().LeftButtonDown(grab.value_or(ClientPoint{}));
  h.game().MouseMove(pointer);
  EXPECT_FALSE(InsideDropLimit(h.game(), group));
  return group;
}

TEST_F(GameTest, EscapeAndBackDuringADragLeaveTheGroupWithinReach) {
  for (const bool escape : {true, false}) {
    SCOPED_TRACE(escape ? "Escape" : "Back");
    h.Play();
    ClientPoint pointer;
    PieceGroup& group = DragFarOutside(h, pointer);
    const Piece* held = group.pieces.front();
    escape ? h.game().KeyDown(kEscapeKey) : h.Back();
    ASSERT_EQ(h.game().Mode(), ViewMode::Gallery);
    EXPECT_FALSE(h.host.mouseCaptured);
    h.game().LeftButtonUp(pointer);

    // Played again, the group is where the leave put it, and a press picks it.
    h.Play();
    PieceGroup* again = GroupHolding(h.Open(), held);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(InsideDropLimit(h.game(), *again));
    EXPECT_TRUE(DragGroupBy(h.game(), *again, 5, 5));
    h.Back();
  }
}

TEST_F(GameTest, ATurnDuringADragLetsTheHeldGroupGoWithinReach) {
  h.Puzzle(0).rotationOn = 1;
  h.Play();
  PuzzleRecord& puzzle = h.Open();
  ClientPoint pointer;
  PieceGroup& group = DragFarOutside(h, pointer);
  const int rotation = group.pieces.front()->rotation;

  // The pointer still holds the group, so the turn is the held group's.
  h.game().RightButtonDown(pointer);
  h.game().RightButtonUp(pointer);
  EXPECT_EQ(group.pieces.front()->rotation, (rotation + 1) % kRotationCount);
  EXPECT_TRUE(InsideDropLimit(h.game(), group));
  EXPECT_EQ(puzzle.draggedGroup, nullptr);

  // Moves before the button-up no longer carry it, and the button-up lets the mouse go.
  const int x = group.pieces.front()->x;
  h.game().MouseMove({pointer.x - 500, pointer.y});
  EXPECT_EQ(group.pieces.front()->x, x);
  h.game().LeftButtonUp({pointer.x - 500, pointer.y});
  EXPECT_FALSE(h.host.mouseCaptured);
  EXPECT_TRUE(DragGroupBy(h.game(), group, 5, 5));
}

TEST_F(GameTest, ASavedGroupOutsideTheFieldIsRestoredWithinReach) {
  h.Play();
  PieceGroup& group = *h.Open().groups.back();
  const auto outsideId = static_cast<std::size_t>(group.pieces.front()->id);
  const Piece& other = *h.Open().groups.front()->pieces.front();
  const auto otherId = static_cast<std::size_t>(other.id);
  const PiecePlace otherPlace{other.x, other.y, other.rotation};
  for (Piece* piece : group.pieces) piece->y += 5000;  // as a game saved by an older version
  const int savedY = group.pieces.front()->y;
  h.Back();
  h.Restart();
  ASSERT_EQ(h.Puzzle(0).savedPieces.at(outsideId)->y, savedY);
  h.Play();

  PuzzleRecord& puzzle = h.Open();
  PieceGroup* restored = GroupHolding(puzzle, puzzle.pieces.at(outsideId).get());
  ASSERT_NE(restored, nullptr);
  EXPECT_TRUE(InsideDropLimit(h.game(), *restored));
  EXPECT_TRUE(DragGroupBy(h.game(), *restored, 5, 5));
  // A group inside stays where it was saved.
  const Piece& sameOther = *puzzle.pieces.at(otherId);
  EXPECT_EQ((PiecePlace{sameOther.x, sameOther.y, sameOther.rotation}), otherPlace);
}

}  // namespace
