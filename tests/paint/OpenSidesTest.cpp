// The open sides of a piece in its group: the rule, and the grid index that must agree with it.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "paint/OpenSides.h"

namespace {

struct Block {
  std::vector<std::unique_ptr<Piece>> pieces;
  PieceGroup group;

  Piece& Add(int col, int row) {
    pieces.push_back(std::make_unique<Piece>());
    pieces.back()->col = col;
    pieces.back()->row = row;
    group.pieces.push_back(pieces.back().get());
    return *pieces.back();
  }
};

TEST(OpenSidesTest, NeighboursInTheGroupCloseTheirSides) {
  Block block;
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) block.Add(col, row);
  }
  const auto sides = [&](int col, int row) {
    return OpenSides(block.group, *block.pieces[static_cast<std::size_t>(row * 3 + col)]);
  };
  EXPECT_EQ(sides(1, 1), 0u);
  EXPECT_EQ(sides(0, 0), kOverlayTop | kOverlayLeft);
  EXPECT_EQ(sides(2, 0), kOverlayTop | kOverlayRight);
  EXPECT_EQ(sides(2, 2), kOverlayBottom | kOverlayRight);
  EXPECT_EQ(sides(1, 2), kOverlayBottom);
  EXPECT_EQ(sides(0, 1), kOverlayLeft);
}

TEST(OpenSidesTest, APieceAloneOrWithOnlyDiagonalNeighboursIsOpenAllRound) {
  Block block;
  Piece& alone = block.Add(4, 4);
  EXPECT_EQ(OpenSides(block.group, alone), kAllSidesOpen);
  block.Add(5, 5);
  block.Add(3, 3);
  block.Add(6, 4);  // two columns away
  EXPECT_EQ(OpenSides(block.group, alone), kAllSidesOpen);
}

TEST(OpenSidesIndexTest, AgreesWithTheRuleOnRandomGroups) {
  std::mt19937 random(7);
  OpenSidesIndex index;
  for (int round = 0; round < 200; ++round) {
    const int cols = 1 + static_cast<int>(random() % 12),
              rows = 1 + static_cast<int>(random() % 12);
    Block block;
    for (int row = 0; row < rows; ++row) {
      for (int col = 0; col < cols; ++col) {
        if (random() % 2 == 0) block.Add(col, row);
      }
    }
    if (block.group.pieces.empty()) continue;
    ASSERT_TRUE(index.Mark(block.group, cols, rows));
    for (const Piece* piece : block.group.pieces) {
      ASSERT_EQ(index.Of(*piece), OpenSides(block.group, *piece))
          << "round " << round << " piece " << piece->col << ", " << piece->row;
    }
  }
}

TEST(OpenSidesIndexTest, MarksOfAnEarlierGroupDoNotCount) {
  Block first, second;
  first.Add(0, 0);
  first.Add(1, 0);
  Piece& lone = second.Add(2, 0);
  OpenSidesIndex index;
  ASSERT_TRUE(index.Mark(first.group, 4, 4));
  ASSERT_TRUE(index.Mark(second.group, 4, 4));
  EXPECT_EQ(index.Of(lone), kAllSidesOpen);
}

TEST(OpenSidesIndexTest, RefusesPiecesOutsideTheGridAndEmptyGrids) {
  Block block;
  block.Add(0, 0);
  block.Add(3, 0);
  OpenSidesIndex index;
  EXPECT_FALSE(index.Mark(block.group, 3, 3));
  EXPECT_FALSE(index.Mark(block.group, 0, 5));
  EXPECT_FALSE(index.Mark(block.group, 65535, 65535));  // far beyond any play field
  EXPECT_TRUE(index.Mark(block.group, 4, 1));
  block.Add(-1, 0);
  EXPECT_FALSE(index.Mark(block.group, 10, 10));
}

}  // namespace
