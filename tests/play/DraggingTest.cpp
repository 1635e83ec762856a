// The left button: picking, dragging with its repaint rectangles, dropping and the drop limits.
#include "play/Dragging.h"

#include <gtest/gtest.h>

#include "play/DropLimit.h"
#include "play/TestPuzzles.h"
#include "support/SurfacePixels.h"

namespace {

// Pieces are 24 x 24 (20-pixel cells); the play area is (0, 32, 1024, 768).
class Dragging : public ::testing::Test {
 protected:
  void SetUp() override {
    puzzle = MakeTestPuzzle(&service, 3, 1);
    Place(0, 100, 100);
    Place(1, 300, 100);
    Place(2, 500, 500);
  }
  void Place(int id, int x, int y) {
    puzzle->pieces[static_cast<std::size_t>(id)]->x = x;
    puzzle->pieces[static_cast<std::size_t>(id)]->y = y;
  }
  Piece& P(int id) { return *puzzle->pieces[static_cast<std::size_t>(id)]; }

  SurfaceService service{PixelFormatInfo::Rgb565()};
  std::unique_ptr<PuzzleRecord> puzzle;
  PlayState state = MakePlayState();
  PlayEffects effects;
};

TEST_F(Dragging, PickingRaisesTheGroupAndRepaintsItWithShadowRoom) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  ASSERT_NE(puzzle->draggedGroup, nullptr);
  EXPECT_EQ(puzzle->draggedGroup->pieces.front(), &P(0));
  EXPECT_EQ(puzzle->groups.back().get(), puzzle->draggedGroup);
  EXPECT_TRUE(effects.captureMouse);
  EXPECT_TRUE(state.drag.dragging);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{100, 100, 132, 132}}));
}

TEST_F(Dragging, RepaintsAreClippedToThePlayArea) {
  Place(0, 100, 20);
  LeftButtonDown(state, *puzzle, {110, 35}, effects);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{100, 32, 132, 52}}));
}

TEST_F(Dragging, MovingRepaintsTheOldAndNewPlaceAndRemembersThePrevious) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  effects = {};
  MouseMove(state, *puzzle, {115, 107}, effects);
  EXPECT_EQ(P(0).x, 105);
  EXPECT_EQ(P(0).y, 97);
  EXPECT_EQ(P(0).prevX, 100);
  EXPECT_EQ(P(0).prevY, 100);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{100, 97, 137, 132}}));
  EXPECT_EQ(state.drag.lastPoint, (ClientPoint{115, 107}));
}

TEST_F(Dragging, DroppingOnEmptyFieldRepaintsThePlayAreaAndEndsTheDrag) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  MouseMove(state, *puzzle, {400, 400}, effects);
  effects = {};
  LeftButtonUp(state, *puzzle, {400, 400}, effects);
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(state.drag.dragging);
  EXPECT_TRUE(effects.releaseMouse);
  EXPECT_FALSE(effects.joinSound);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{state.playArea}));
  EXPECT_EQ(P(0).x, 390);
}

TEST_F(Dragging, EmptyFieldPicksNothingAndMovesNothing) {
  LeftButtonDown(state, *puzzle, {700, 300}, effects);
  EXPECT_TRUE(state.drag.dragging);
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(effects.captureMouse);
  MouseMove(state, *puzzle, {720, 330}, effects);
  EXPECT_TRUE(effects.steps.empty());
  EXPECT_EQ(state.drag.lastPoint, (ClientPoint{720, 330}));
  EXPECT_EQ(P(0).x, 100);
}

TEST_F(Dragging, PausedAndCelebrationIgnoreTheLeftButton) {
  state.flags.paused = true;
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(state.drag.dragging);
  state.flags.paused = false;
  state.mode = ViewMode::Celebration;
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  LeftButtonUp(state, *puzzle, {110, 110}, effects);
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_TRUE(effects.steps.empty());
  EXPECT_FALSE(effects.releaseMouse);
}

TEST_F(Dragging, AClickOnAHandleTogglesTheBoxAndPicksNothing) {
  Place(0, 0, 32);  // under box 1's handle
  LeftButtonDown(state, *puzzle, {10, 40}, effects);
  EXPECT_TRUE(state.boxes[0].open);
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(state.drag.dragging);
}

// Only 10 pixels of the piece remain inside the window's left edge; it comes back until its
// bounds with the shadow room end half its width plus 32 pixels inside.
TEST_F(Dragging, ADropOffTheLeftEdgeComesBackInside) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  MouseMove(state, *puzzle, {-4, 110}, effects);
  ASSERT_EQ(P(0).x + P(0).imageWidth, 10);
  LeftButtonUp(state, *puzzle, {-4, 110}, effects);
  EXPECT_EQ(P(0).x + P(0).imageWidth + 8, state.client.left + P(0).imageWidth / 2 + 32);
  EXPECT_EQ(P(0).prevX, -14);
  EXPECT_EQ(P(0).y, 100);
}

TEST_F(Dragging, ADropBelowTheWindowComesBackUp) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  MouseMove(state, *puzzle, {110, 1000}, effects);
  LeftButtonUp(state, *puzzle, {110, 1000}, effects);
  EXPECT_EQ(P(0).y, state.client.bottom - P(0).imageHeight / 2 - 32);
}

TEST(DropShift, TheFarRulesWinOverTheNearRules) {
  // A limit narrower than both rules together: both fire, the right and bottom ones win.
  const ClientPoint shift = DropShift({20, 20, 30, 30}, {0, 0, 60, 60}, 12, 12);
  EXPECT_EQ(shift, (ClientPoint{60 - 12 - 32 - 20, 60 - 12 - 32 - 20}));
  EXPECT_EQ(DropShift({100, 100, 200, 200}, {0, 0, 1024, 768}, 12, 12), (ClientPoint{0, 0}));
}

TEST_F(Dragging, AGroupDroppedInABoxStaysThereWithinTheBox) {
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  MouseMove(state, *puzzle, {10, 40}, effects);  // over box 1's handle: it opens
  EXPECT_EQ(puzzle->draggedGroup->box, 1);
  EXPECT_TRUE(state.boxes[0].highlighted);
  MouseMove(state, *puzzle, {505, 100}, effects);  // still in box 1's quarter, piece beyond it
  LeftButtonUp(state, *puzzle, {505, 100}, effects);
  const Rect open = state.boxes[0].openRect;
  EXPECT_EQ(GroupOf(*puzzle, &P(0))->box, 1);
  EXPECT_TRUE(state.boxes[0].open);
  EXPECT_FALSE(state.boxes[0].highlighted);
  EXPECT_EQ(P(0).x, open.right - P(0).imageWidth / 2 - 32);
  // Picked again inside the box: it is box 1's, so box 1 lights up.
  effects = {};
  LeftButtonDown(state, *puzzle, CellCentre(P(0)), effects);
  EXPECT_EQ(puzzle->draggedGroup, GroupOf(*puzzle, &P(0)));
  EXPECT_TRUE(state.boxes[0].highlighted);
}

TEST_F(Dragging, ADropNextToANeighbourJoinsAndMovesTheSparkle) {
  Place(1, 150, 150);
  LeftButtonDown(state, *puzzle, {110, 110}, effects);
  // Piece 0 belongs 20 pixels left of piece 1: move it to 7 pixels right and 5 below that.
  MouseMove(state, *puzzle, {110 + 137 - 100, 110 + 155 - 100}, effects);
  effects = {};
  LeftButtonUp(state, *puzzle, {147, 165}, effects);
  EXPECT_TRUE(effects.joinSound);
  EXPECT_EQ(state.sparkle.frame, 0.0f);
  EXPECT_EQ(state.sparkle.x, 147 + 16);
  EXPECT_EQ(state.sparkle.y, 165);
  EXPECT_EQ(P(0).x, 130);
  EXPECT_EQ(P(0).y, 150);
  EXPECT_EQ(GroupOf(*puzzle, &P(0)), GroupOf(*puzzle, &P(1)));
  EXPECT_EQ(puzzle->groups.size(), 2u);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{state.playArea}));
}

}  // namespace
