// Picking: the pixel-exact hit test in every display format, box filtering and the group order.
#include "play/HitTest.h"

#include <gtest/gtest.h>

#include "play/GroupOrder.h"
#include "play/TestPuzzles.h"
#include "support/SurfacePixels.h"

namespace {

class HitTestInFormat : public ::testing::TestWithParam<const char*> {
 protected:
  SurfaceService service{FormatNamed(GetParam())};
};

// Two pieces of different groups overlap: piece 1 (on top) lies 10 pixels right of piece 0.
TEST_P(HitTestInFormat, TransparentPixelsOfTheUpperPieceFallThrough) {
  auto puzzle = MakeTestPuzzle(&service, 2, 1);
  Piece& lower = *puzzle->pieces[0];
  Piece& upper = *puzzle->pieces[1];
  lower.x = 100, lower.y = 100;
  upper.x = 110, upper.y = 100;
  // Piece images are 24 x 24 with a 2-pixel transparent margin.
  const HitResult inUpperMargin = HitTest(*puzzle, {111, 110}, 0);
  EXPECT_EQ(inUpperMargin.piece, &lower);
  EXPECT_EQ(inUpperMargin.groupIndex, 0);
  const HitResult onUpperBody = HitTest(*puzzle, {112, 110}, 0);
  EXPECT_EQ(onUpperBody.piece, &upper);
  EXPECT_EQ(onUpperBody.groupIndex, 1);
  // The lower piece's own margin is transparent too: nothing there.
  EXPECT_FALSE(HitTest(*puzzle, {100, 110}, 0));
  EXPECT_EQ(HitTest(*puzzle, {101, 101}, 0).piece, nullptr);
  EXPECT_EQ(HitTest(*puzzle, {102, 102}, 0).piece, &lower);
}

TEST_P(HitTestInFormat, EveryOpaqueColourIsHitAndOnlyBlackIsTransparent) {
  auto image = CreateOffscreenSurface(service, 4, 1, false);
  const PixelFormatInfo& f = service.Format();
  WritePixel(*image, 0, 0, f.Pack({1, 0, 0}));
  WritePixel(*image, 1, 0, f.Pack({0, 1, 0}));
  WritePixel(*image, 2, 0, f.Pack({0, 0, 1}));
  WritePixel(*image, 3, 0, 0);
  EXPECT_TRUE(IsOpaqueAt(*image, 0, 0));
  EXPECT_TRUE(IsOpaqueAt(*image, 1, 0));
  EXPECT_TRUE(IsOpaqueAt(*image, 2, 0));
  EXPECT_FALSE(IsOpaqueAt(*image, 3, 0));
  EXPECT_FALSE(IsOpaqueAt(*image, 4, 0));
  EXPECT_FALSE(IsOpaqueAt(*image, -1, 0));
}

TEST_P(HitTestInFormat, TheCurrentRotationsImageDecides) {
  auto puzzle = MakeTestPuzzle(&service, 1, 1, 7, true);
  Piece& piece = *puzzle->pieces[0];
  piece.x = 50, piece.y = 60;
  // Rotation 2's image is transparent at the point, rotation 0's is opaque.
  WritePixel(*piece.image[2], 10, 10, 0);
  EXPECT_TRUE(HitTest(*puzzle, {60, 70}, 0));
  piece.rotation = 2;
  EXPECT_FALSE(HitTest(*puzzle, {60, 70}, 0));
  EXPECT_TRUE(HitTest(*puzzle, {61, 70}, 0));
  piece.image[2].reset();
  EXPECT_FALSE(HitTest(*puzzle, {61, 70}, 0));
}

TEST_P(HitTestInFormat, ALostImageIsNotHit) {
  auto puzzle = MakeTestPuzzle(&service, 1, 1);
  ClientPoint centre = CellCentre(*puzzle->pieces[0]);
  EXPECT_TRUE(HitTest(*puzzle, centre, 0));
  service.LoseDisplaySurfaces();
  EXPECT_FALSE(HitTest(*puzzle, centre, 0));
}

TEST_P(HitTestInFormat, OnlyGroupsOfTheBoxAtThePointAreHit) {
  auto puzzle = MakeTestPuzzle(&service, 2, 1);
  for (const auto& piece : puzzle->pieces) piece->x = 40, piece->y = 60;
  puzzle->groups[0]->box = 1;  // the lower group is stored in box 1
  EXPECT_EQ(HitTest(*puzzle, {50, 70}, 0).piece, puzzle->pieces[1].get());
  EXPECT_EQ(HitTest(*puzzle, {50, 70}, 1).piece, puzzle->pieces[0].get());
  EXPECT_FALSE(HitTest(*puzzle, {50, 70}, 2));
}

INSTANTIATE_TEST_SUITE_P(Formats, HitTestInFormat, ::testing::ValuesIn(kFormatNames));

// Bits outside the colour channels do not make a pixel opaque in 16-bit formats; in 32-bit
// formats the whole word counts.
TEST(HitTestPixels, UnusedBitsFollowTheFormatsRule) {
  SurfaceService rgb555(PixelFormatInfo::Rgb555());
  auto image16 = CreateOffscreenSurface(rgb555, 1, 1, false);
  WritePixel(*image16, 0, 0, 0x8000);
  EXPECT_FALSE(IsOpaqueAt(*image16, 0, 0));
  SurfaceService rgb32(PixelFormatInfo::Rgb32());
  auto image32 = CreateOffscreenSurface(rgb32, 1, 1, false);
  WritePixel(*image32, 0, 0, 0xFF000000u);
  EXPECT_TRUE(IsOpaqueAt(*image32, 0, 0));
}

// A piece image smaller than the piece's rectangle is read only inside the image.
TEST(HitTestPixels, PointsBeyondASmallImageAreNotRead) {
  SurfaceService service(PixelFormatInfo::Rgb24());
  auto puzzle = MakeTestPuzzle(&service, 1, 1);
  Piece& piece = *puzzle->pieces[0];
  piece.imageWidth = piece.imageHeight = 200;
  EXPECT_FALSE(HitTest(*puzzle, {150, 150}, 0));
  EXPECT_TRUE(HitTest(*puzzle, {10, 10}, 0));
}

TEST(GroupOrder, BringToFrontKeepsTheOthersInOrder) {
  auto puzzle = MakeTestPuzzle(nullptr, 4, 1);
  PieceGroup* second = puzzle->groups[1].get();
  BringToFront(*puzzle, second);
  ASSERT_EQ(puzzle->groups.size(), 4u);
  const int expected[] = {0, 2, 3, 1};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(puzzle->groups[i]->pieces.front()->id, expected[i]);
  }
  PieceGroup stranger;
  BringToFront(*puzzle, &stranger);
  EXPECT_EQ(puzzle->groups.back().get(), second);
  EXPECT_FALSE(GroupIndex(*puzzle, &stranger));
}

}  // namespace
