// Group bounds, at the current and the previous places, and the repaints they give.
#include "play/GroupBounds.h"

#include <gtest/gtest.h>

#include "play/Dragging.h"
#include "play/TestPuzzles.h"

namespace {

TEST(GroupBounds, UnitesThePieceImagesNowOrBeforeTheLastMove) {
  auto puzzle = MakeTestPuzzle(nullptr, 2, 1);
  PieceGroup group;
  EXPECT_FALSE(GroupBounds(&group));
  EXPECT_FALSE(GroupBounds(nullptr));
  for (const auto& piece : puzzle->pieces) group.pieces.push_back(piece.get());
  puzzle->pieces[0]->x = 50, puzzle->pieces[0]->y = 70;
  puzzle->pieces[1]->x = 10, puzzle->pieces[1]->y = 90;
  EXPECT_EQ(GroupBounds(&group), (Rect{10, 70, 74, 114}));
  MoveGroup(group, 100, -5);
  EXPECT_EQ(GroupBounds(&group), (Rect{110, 65, 174, 109}));
  EXPECT_EQ(GroupBounds(&group, true), (Rect{10, 70, 74, 114}));
  EXPECT_EQ(WithShadowRoom({1, 2, 3, 4}), (Rect{1, 2, 11, 12}));
}

// Dragging a group wholly above the play area (over the toolbar) repaints nothing there.
TEST(GroupBounds, MovesOutsideThePlayAreaRepaintNothing) {
  SurfaceService service(PixelFormatInfo::Rgb555());
  auto puzzle = MakeTestPuzzle(&service, 1, 1);
  puzzle->pieces[0]->x = 300, puzzle->pieces[0]->y = 40;
  PlayState state = MakePlayState();
  PlayEffects effects;
  LeftButtonDown(state, *puzzle, {310, 50}, effects);
  MouseMove(state, *puzzle, {310, -10}, effects);
  effects = {};
  MouseMove(state, *puzzle, {330, -9}, effects);
  EXPECT_EQ(puzzle->pieces[0]->y, -19);
  EXPECT_TRUE(effects.steps.empty());
}

}  // namespace
