// The options dialog's fit rule: pieces per choice and which choices are offered.
#include <gtest/gtest.h>

#include "library/ChoiceGrid.h"

namespace {

const Rect kRoomyArea{0, 32, 1024, 768};

TEST(ChoiceGrid, CountsWholeCellsOfAnUnscaledPicture) {
  EXPECT_EQ(GridForChoice(300, 200, kRoomyArea, 0).cols, 2);
  EXPECT_EQ(GridForChoice(300, 200, kRoomyArea, 0).rows, 1);
  EXPECT_FALSE(GridForChoice(300, 200, kRoomyArea, 0).Offered());
  const ChoiceGrid hundred = GridForChoice(300, 200, kRoomyArea, 1);
  EXPECT_TRUE(hundred.Offered());
  EXPECT_EQ(hundred.PieceCount(), 6);
  EXPECT_EQ(GridForChoice(300, 200, kRoomyArea, 7).PieceCount(), 150);
}

TEST(ChoiceGrid, CountsCellsOfTheFittedPicture) {
  // 2000 x 1000 on a 1024 x 736 area fits to 960 x 480.
  const ChoiceGrid grid = GridForChoice(2000, 1000, kRoomyArea, 7);
  EXPECT_EQ(grid.cols, 48);
  EXPECT_EQ(grid.rows, 24);
}

TEST(ChoiceGrid, SelectionMovesOnToTheNextOfferedChoice) {
  EXPECT_EQ(OfferedChoiceFrom(300, 200, kRoomyArea, 0), 1);
  EXPECT_EQ(OfferedChoiceFrom(300, 200, kRoomyArea, 3), 3);
  EXPECT_EQ(OfferedChoiceFrom(50, 50, kRoomyArea, 0), 7);
  EXPECT_EQ(OfferedChoiceFrom(39, 400, kRoomyArea, 0), std::nullopt);
}

TEST(ChoiceGrid, LabelsCountPiecesAndLeaveDisabledChoicesEmpty) {
  const auto labels = ChoiceLabels(300, 200, kRoomyArea);
  EXPECT_EQ(labels[0].text, "");
  EXPECT_FALSE(labels[0].enabled);
  EXPECT_EQ(labels[1].text, "6 pieces");
  EXPECT_TRUE(labels[1].enabled);
  EXPECT_EQ(labels[7].text, "150 pieces");
  for (const ChoiceLabel& label : ChoiceLabels(39, 400, kRoomyArea)) EXPECT_FALSE(label.enabled);
}

TEST(ChoiceGrid, ChoiceOutOfRangeHasNoCells) {
  EXPECT_FALSE(GridForChoice(800, 600, kRoomyArea, 8).Offered());
  EXPECT_FALSE(GridForChoice(800, 600, kRoomyArea, -1).Offered());
}

}  // namespace
