// The ghost: its place in the play area, its fading, and its grid taken from the fitted picture.
#include "puzzle/Ghost.h"

#include <gtest/gtest.h>

#include "CutFixtures.h"
#include "puzzle/PieceGrid.h"
#include "support/SurfacePixels.h"

namespace {

class Ghost : public testing::TestWithParam<const char*> {
 protected:
  SurfaceService service_{FormatNamed(GetParam())};
  const PixelFormatInfo& f_ = service_.Format();
};

TEST_P(Ghost, LiesCentredInThePlayArea) {
  // 880 x 640 is the cut area of a 900 x 660 picture in cells of 80 (choice 2).
  auto picture = RandomPicture(service_, 900, 660, 1);
  PuzzleRecord puzzle;
  puzzle.sizeChoice = 2;
  MakeGhost(service_, Rect{0, 32, 1024, 768}, *picture, puzzle);
  EXPECT_EQ(puzzle.ghostWidth, 880);
  EXPECT_EQ(puzzle.ghostHeight, 640);
  EXPECT_EQ(puzzle.ghostSrcX, 0);
  EXPECT_EQ(puzzle.ghostSrcY, 0);
  EXPECT_EQ(puzzle.ghostX, 72);  // (1024 - 880) / 2
  EXPECT_EQ(puzzle.ghostY, 80);  // 32 + (736 - 640) / 2
  ASSERT_NE(puzzle.ghostMaster, nullptr);
  EXPECT_EQ(puzzle.ghostMaster->Memory(), SurfaceMemory::System);
  EXPECT_FALSE(puzzle.ghostMaster->ColourKey().has_value());
}

TEST_P(Ghost, FadesTheCutAreaToTheMiddleThird) {
  auto picture = RandomPicture(service_, 130, 95, 2);
  PuzzleRecord puzzle;
  puzzle.sizeChoice = 7;  // cells of 20: 6 x 4, margins 5 and 7
  MakeGhost(service_, Rect{0, 0, 400, 300}, *picture, puzzle);
  ASSERT_NE(puzzle.ghostMaster, nullptr);
  ASSERT_EQ(puzzle.ghostMaster->Width(), 120);
  ASSERT_EQ(puzzle.ghostMaster->Height(), 80);
  const bool wide = f_.bitsPerPixel != 16;
  const Channels add =
      wide ? Channels{86, 86, 86} : Channels{f_.RedMax() / 3, f_.GreenMax() / 3, f_.BlueMax() / 3};
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) {
      const Channels c = PixelChannels(*picture, x + 5, y + 7);
      ASSERT_EQ(PixelChannels(*puzzle.ghostMaster, x, y),
                (Channels{c.red / 3 + add.red, c.green / 3 + add.green, c.blue / 3 + add.blue}));
    }
  }
}

TEST_P(Ghost, FollowsTheFittedPictureRatherThanTheStoredGrid) {
  // The record still holds the grid of a larger play area; the pieces are cut from this picture.
  auto picture = RandomPicture(service_, 250, 170, 3);
  PuzzleRecord puzzle;
  puzzle.sizeChoice = 4;
  puzzle.cols = 9;
  puzzle.rows = 7;
  MakeGhost(service_, Rect{0, 0, 400, 300}, *picture, puzzle);
  const CutGrid grid = PlanCutGrid(250, 170, 54);
  EXPECT_EQ(puzzle.ghostWidth, grid.cols * 54);
  EXPECT_EQ(puzzle.ghostHeight, grid.rows * 54);
  EXPECT_EQ(puzzle.ghostWidth, 216);
  EXPECT_EQ(puzzle.ghostHeight, 162);
  EXPECT_EQ(puzzle.ghostX, (400 - 216) / 2);
}

TEST_P(Ghost, NoSurfaceMeansNoGhost) {
  auto picture = RandomPicture(service_, 100, 100, 4);
  PuzzleRecord puzzle;
  puzzle.ghostMaster = CreateOffscreenSurface(service_, 5, 5, true);
  puzzle.sizeChoice = 6;
  service_.SetCreationFails(true);
  MakeGhost(service_, Rect{0, 0, 400, 300}, *picture, puzzle);
  EXPECT_EQ(puzzle.ghostMaster, nullptr);
  EXPECT_EQ(puzzle.ghostWidth, 90);
  puzzle.sizeChoice = 8;
  service_.SetCreationFails(false);
  MakeGhost(service_, Rect{0, 0, 400, 300}, *picture, puzzle);
  EXPECT_EQ(puzzle.ghostMaster, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Formats, Ghost, testing::ValuesIn(kFormatNames));

}  // namespace
