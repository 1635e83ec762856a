// The right button: turning groups about the hit piece, joins after a turn, and the menu.
#include "play/Turning.h"

#include <gtest/gtest.h>

#include "play/TestPuzzles.h"

namespace {

class Turning : public ::testing::Test {
 protected:
  Piece& P(int id) { return *puzzle->pieces[static_cast<std::size_t>(id)]; }
  void Place(int id, int x, int y) {
    P(id).x = x;
    P(id).y = y;
  }
  // Joins pieces 0 and 1 into one group (0's group), as a join would leave them.
  void JoinFirstTwo() {
    puzzle->groups[0]->pieces.push_back(&P(1));
    puzzle->groups.erase(puzzle->groups.begin() + 1);
  }

  SurfaceService service{PixelFormatInfo::Rgb24()};
  std::unique_ptr<PuzzleRecord> puzzle = MakeTestPuzzle(&service, 3, 2, 7, true);
  PlayState state = MakePlayState();
  PlayEffects effects;
};

TEST_F(Turning, FourTurnsBringASinglePieceBackInPlace) {
  Place(4, 300, 200);
  for (int turn = 1; turn <= 4; ++turn) {
    RightButtonUp(state, *puzzle, {310, 210}, effects);
    EXPECT_EQ(P(4).rotation, turn % 4);
    EXPECT_EQ(P(4).x, 300);
    EXPECT_EQ(P(4).y, 200);
  }
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(effects.joinSound);
}

TEST_F(Turning, AGroupTurnsClockwiseAboutTheHitPiecesCorner) {
  Place(0, 100, 100);
  Place(1, 120, 100);
  JoinFirstTwo();
  RightButtonUp(state, *puzzle, {130, 110}, effects);  // on piece 1
  // Piece 1's corner stays; piece 0, left of it, comes to lie above it.
  EXPECT_EQ(P(1).x, 120);
  EXPECT_EQ(P(1).y, 100);
  EXPECT_EQ(P(0).x, 120);
  EXPECT_EQ(P(0).y, 80);
  EXPECT_EQ(P(0).prevX, 100);
  EXPECT_EQ(P(0).rotation, 1);
  EXPECT_EQ(P(1).rotation, 1);
  EXPECT_EQ(puzzle->groups.back()->pieces.front(), &P(0));
  // The union of before (100..144 x 100..124) and after (120..144 x 80..124), with shadow room.
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{100, 80, 152, 132}}));
}

TEST_F(Turning, ATurnIsNotLimitedToTheWindow) {
  Place(0, 40, 740);
  Place(1, 60, 740);
  JoinFirstTwo();
  RightButtonUp(state, *puzzle, {50, 750}, effects);  // on piece 0: piece 1 turns below it
  EXPECT_EQ(P(1).x, 40);
  EXPECT_EQ(P(1).y, 760);
}

TEST_F(Turning, NothingTurnsWithRotationOffOrOffThePieces) {
  Place(4, 300, 200);
  RightButtonUp(state, *puzzle, {600, 600}, effects);
  puzzle->rotationOn = 0;
  RightButtonUp(state, *puzzle, {310, 210}, effects);
  EXPECT_EQ(P(4).rotation, 0);
  EXPECT_TRUE(effects.steps.empty());
}

TEST_F(Turning, ATurnThatBringsAPieceHomeJoinsWithoutTheSound) {
  // Piece 1 lies right of piece 0 but turned three quarters; one more turn makes it fit.
  Place(0, 100, 100);
  Place(1, 123, 98);
  P(1).rotation = 3;
  RightButtonUp(state, *puzzle, {133, 108}, effects);
  EXPECT_EQ(GroupOf(*puzzle, &P(0)), GroupOf(*puzzle, &P(1)));
  EXPECT_EQ(P(1).x, 120);
  EXPECT_EQ(P(1).y, 100);
  EXPECT_FALSE(effects.joinSound);
  EXPECT_EQ(state.sparkle.frame, 0.0f);
  EXPECT_EQ(puzzle->groups.back().get(), GroupOf(*puzzle, &P(0)));
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
}

TEST_F(Turning, TheMenuOpensOffThePiecesAndNeverInTheCelebration) {
  Place(4, 300, 200);
  EXPECT_FALSE(RightButtonDownShowsMenu(state, puzzle.get(), {310, 210}));
  EXPECT_TRUE(RightButtonDownShowsMenu(state, puzzle.get(), {600, 600}));
  state.mode = ViewMode::Celebration;
  EXPECT_FALSE(RightButtonDownShowsMenu(state, puzzle.get(), {600, 600}));
  state.mode = ViewMode::Gallery;
  EXPECT_TRUE(RightButtonDownShowsMenu(state, nullptr, {600, 600}));
}

}  // namespace
