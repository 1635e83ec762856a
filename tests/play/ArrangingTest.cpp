// Arranging the loose pieces: grid cells, edge bands, random places, edge pieces apart, and
// fields too small.
#include "play/Arranging.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "play/TestPuzzles.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"

namespace {

// The play area (0, 32, 1024, 768) gives the arrange area (32, 64, 992, 736): 960 x 672.
constexpr Rect kPlayArea = {0, 32, 1024, 768};
constexpr Rect kArea = {32, 64, 992, 736};

std::set<std::pair<int, int>> Places(const PuzzleRecord& puzzle) {
  std::set<std::pair<int, int>> places;
  for (const auto& piece : puzzle.pieces) places.insert({piece->x, piece->y});
  return places;
}

TEST(ArrangeGrid, TwelvePiecesFillFourColumnsAndThreeRows) {
  SeedRandom(5);
  auto puzzle = MakeTestPuzzle(nullptr, 4, 3);
  ArrangePieces(*puzzle, kPlayArea, ArrangeKind::Grid);
  std::set<std::pair<int, int>> expected;
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) expected.insert({32 + 240 * col, 64 + 224 * row});
  }
  EXPECT_EQ(Places(*puzzle), expected);
  for (const auto& piece : puzzle->pieces) {
    EXPECT_EQ(piece->prevX, piece->x);
    EXPECT_EQ(piece->prevY, piece->y);
  }
}

TEST(ArrangeGrid, OneLoosePieceGoesToTheTopLeftCorner) {
  auto puzzle = MakeTestPuzzle(nullptr, 1, 1);
  ArrangePieces(*puzzle, kPlayArea, ArrangeKind::Grid);
  EXPECT_EQ(puzzle->pieces[0]->x, kArea.left);
  EXPECT_EQ(puzzle->pieces[0]->y, kArea.top);
}

// Seven loose pieces, two of them in boxes: 3 x 3 cells of which the first seven can be drawn;
// the five on the field each take a different one, and the boxed ones stay.
TEST(ArrangeGrid, BoxedPiecesCountButStay) {
  for (uint32_t seed = 1; seed < 40; ++seed) {
    SeedRandom(seed);
    auto puzzle = MakeTestPuzzle(nullptr, 7, 1);
    puzzle->groups[2]->box = 1;
    puzzle->groups[5]->box = 4;
    ArrangePieces(*puzzle, kPlayArea, ArrangeKind::Grid);
    std::set<int> cells;
    for (const auto& piece : puzzle->pieces) {
      if (piece->id == 2 || piece->id == 5) {
        EXPECT_EQ(piece->x, piece->col * 20);
        continue;
      }
      const int col = (piece->x - kArea.left) / 320, row = (piece->y - kArea.top) / 224;
      EXPECT_EQ(piece->x, kArea.left + 320 * col);
      EXPECT_EQ(piece->y, kArea.top + 224 * row);
      cells.insert(col + 3 * row);
    }
    EXPECT_EQ(cells.size(), 5u);
    EXPECT_LT(*cells.rbegin(), 7);
  }
}

class ArrangeAnyKind : public ::testing::TestWithParam<ArrangeKind> {};

TEST_P(ArrangeAnyKind, JoinedGroupsNeverMove) {
  SeedRandom(17);
  auto puzzle = MakeTestPuzzle(nullptr, 3, 2);
  puzzle->groups[0]->pieces.push_back(puzzle->pieces[1].get());
  puzzle->groups.erase(puzzle->groups.begin() + 1);
  puzzle->pieces[0]->x = 500;
  puzzle->pieces[1]->x = 520;
  ArrangePieces(*puzzle, kPlayArea, GetParam());
  EXPECT_EQ(puzzle->pieces[0]->x, 500);
  EXPECT_EQ(puzzle->pieces[1]->x, 520);
  EXPECT_EQ(puzzle->pieces[0]->y, 0);
  EXPECT_NE(puzzle->pieces[2]->y, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ArrangeAnyKind,
                         ::testing::Values(ArrangeKind::Grid, ArrangeKind::RandomAtEdge,
                                           ArrangeKind::Random, ArrangeKind::EdgesApart));

// A field too small for the random ranges leaves the pieces where they are, draws the same
// numbers as a large field, and divides by nothing.
class ArrangeAtRandomKind : public ::testing::TestWithParam<ArrangeKind> {};

TEST_P(ArrangeAtRandomKind, TooSmallAFieldSkipsThePieces) {
  for (const Rect tiny : {Rect{0, 32, 100, 100}, Rect{0, 32, 64, 96}, Rect{0, 32, 10, 40}}) {
    SeedRandom(3);
    auto puzzle = MakeTestPuzzle(nullptr, 5, 4, 0);  // 152-pixel images
    ArrangePieces(*puzzle, tiny, GetParam());
    EXPECT_EQ(puzzle->pieces[7]->x, 2 * 126);
    EXPECT_EQ(puzzle->pieces[7]->y, 1 * 126);
    const int afterTiny = NextRandom();
    SeedRandom(3);
    auto other = MakeTestPuzzle(nullptr, 5, 4, 0);
    ArrangePieces(*other, kPlayArea, GetParam());
    EXPECT_EQ(NextRandom(), afterTiny);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ArrangeAtRandomKind,
                         ::testing::Values(ArrangeKind::RandomAtEdge, ArrangeKind::Random));

TEST(ArrangeGrid, ATinyFieldStillGivesEveryPieceItsOwnCell) {
  auto puzzle = MakeTestPuzzle(nullptr, 5, 4, 0);
  ArrangePieces(*puzzle, {0, 32, 100, 100}, ArrangeKind::Grid);
  EXPECT_EQ(Places(*puzzle).size(), 20u);
}

TEST(ArrangeRandom, EveryImageLiesWhollyInsideTheArea) {
  for (uint32_t seed = 0; seed < 20; ++seed) {
    SeedRandom(seed);
    auto puzzle = MakeTestPuzzle(nullptr, 10, 8, 2);
    ArrangePieces(*puzzle, kPlayArea, ArrangeKind::Random);
    for (const auto& piece : puzzle->pieces) {
      const Rect image = Rect::FromSize(piece->x, piece->y, piece->imageWidth, piece->imageHeight);
      ASSERT_TRUE(kArea.Contains(image)) << seed << " piece " << piece->id;
    }
  }
}

TEST(ArrangeRandom, DrawsRowThenColumnPerPieceInOrder) {
  SeedRandom(99);
  const int r1 = NextRandom(), r2 = NextRandom(), r3 = NextRandom(), r4 = NextRandom();
  SeedRandom(99);
  auto puzzle = MakeTestPuzzle(nullptr, 2, 1);
  ArrangePieces(*puzzle, kPlayArea, ArrangeKind::Random);
  EXPECT_EQ(puzzle->pieces[0]->y, r1 % (672 - 24) + 64);
  EXPECT_EQ(puzzle->pieces[0]->x, r2 % (960 - 24) + 32);
  EXPECT_EQ(puzzle->pieces[1]->y, r3 % (672 - 24) + 64);
  EXPECT_EQ(puzzle->pieces[1]->x, r4 % (960 - 24) + 32);
}

// Every piece lands in a band less than half a cell deep along one edge; the top and left
// bands are drawn 320 times in 1120 each, the right and bottom 240.
TEST(ArrangeEdge, PiecesLandInTheEdgeBands) {
  SeedRandom(2024);
  auto puzzle = MakeTestPuzzle(nullptr, 40, 30, 3);  // 66-pixel cells, 80-pixel images
  ArrangePieces(*puzzle, kPlayArea, ArrangeKind::RandomAtEdge);
  const int half = 66 / 2;
  int topOrLeft = 0;
  for (const auto& piece : puzzle->pieces) {
    const int x = piece->x - kArea.left, y = piece->y - kArea.top;
    const bool top = y < half && x >= 66 && x < kArea.Width() - 2 * 66;
    const bool left = x < half && y >= 0 && y < kArea.Height() - 80;
    const bool right = x + 80 > kArea.Width() - half && x + 80 <= kArea.Width();
    const bool bottom = y + 80 > kArea.Height() - half && y + 80 <= kArea.Height();
    ASSERT_TRUE(top || left || right || bottom) << piece->id << " at " << x << "," << y;
    topOrLeft += top || left;
  }
  EXPECT_NEAR(topOrLeft, 1200 * 640 / 1120, 60);
}

TEST(ArrangeCommand, RepaintsThePlayArea) {
  auto puzzle = MakeTestPuzzle(nullptr, 2, 2);
  const PlayState state = MakePlayState();
  PlayEffects effects;
  ArrangeCommand(state, *puzzle, ArrangeKind::Grid, effects);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{state.playArea}));
}

// The cell square of a piece's image (the image less its overlap).
Rect CellOf(const Piece& piece) {
  const int inset = (piece.imageWidth - piece.cellWidth) / 2;
  return Rect::FromSize(piece.x + inset, piece.y + inset, piece.cellWidth, piece.cellHeight);
}

bool IsEdge(const PuzzleRecord& puzzle, const Piece& piece) {
  return piece.col == 0 || piece.row == 0 || piece.col == puzzle.cols - 1 ||
         piece.row == puzzle.rows - 1;
}

// Edge pieces apart on a full-HD field: the largest piece size whose picture fits, as the
// options dialog offers; two joined pairs and two boxed pieces (one edge, one inner) stay.
TEST(ArrangeEdgesApart, EdgePiecesLieAboveInnerOnesWithoutOverlap) {
  const Rect playArea{0, 32, 1920, 1080};
  const std::pair<int, int> grids[] = {{2, 2},   {3, 2},   {4, 3},  {8, 6},
                                       {20, 15}, {40, 30}, {73, 49}};
  for (const auto& [cols, rows] : grids) {
    SCOPED_TRACE(std::to_string(cols) + " x " + std::to_string(rows));
    int choice = 0;
    while (cols * kPieceSizeChoices[static_cast<std::size_t>(choice)].pieceSize > 1856 ||
           rows * kPieceSizeChoices[static_cast<std::size_t>(choice)].pieceSize > 984)
      ++choice;
    auto puzzle = MakeTestPuzzle(nullptr, cols, rows, choice, true);
    SeedRandom(static_cast<uint32_t>(cols * 100 + rows));
    for (const auto& piece : puzzle->pieces) piece->rotation = NextRandom() % 4;
    // Pieces 0 + 1 joined, the last two joined when there are more than four, and the second
    // row's first and second pieces in box 3.
    const auto join = [&](std::size_t a, std::size_t b) {
      PieceGroup* target = GroupOf(*puzzle, puzzle->pieces[a].get());
      PieceGroup* gone = GroupOf(*puzzle, puzzle->pieces[b].get());
      target->pieces.push_back(puzzle->pieces[b].get());
      gone->pieces.clear();
    };
    join(0, 1);
    if (puzzle->pieces.size() > 4) join(puzzle->pieces.size() - 2, puzzle->pieces.size() - 1);
    std::erase_if(puzzle->groups, [](const auto& group) { return group->pieces.empty(); });
    if (rows > 2) {
      for (int c = 0; c < 2; ++c) GroupOf(*puzzle, puzzle->pieces[cols + c].get())->box = 3;
    }
    std::vector<std::tuple<int, int, int>> before;
    for (const auto& piece : puzzle->pieces)
      before.emplace_back(piece->x, piece->y, piece->rotation);
    std::vector<const PieceGroup*> order;
    for (const auto& group : puzzle->groups) order.push_back(group.get());

    ArrangePieces(*puzzle, playArea, ArrangeKind::EdgesApart);

    int lowestEdge = playArea.top, highestInner = playArea.bottom;
    std::vector<Rect> cells;
    for (std::size_t i = 0; i < puzzle->pieces.size(); ++i) {
      const Piece& piece = *puzzle->pieces[i];
      const PieceGroup& group = *GroupOf(*puzzle, &piece);
      EXPECT_EQ(piece.rotation, std::get<2>(before[i]));
      if (group.pieces.size() > 1 || group.box != 0) {
        EXPECT_EQ(std::make_pair(piece.x, piece.y),
                  std::make_pair(std::get<0>(before[i]), std::get<1>(before[i])))
            << "piece " << i;
        continue;
      }
      const Rect image = Rect::FromSize(piece.x, piece.y, piece.imageWidth, piece.imageHeight);
      EXPECT_EQ(image.Intersected(playArea), image) << "piece " << i;
      const Rect cell = CellOf(piece);
      for (const Rect& other : cells)
        EXPECT_TRUE(cell.Intersected(other).IsEmpty()) << "piece " << i;
      cells.push_back(cell);
      if (IsEdge(*puzzle, piece)) {
        lowestEdge = std::max(lowestEdge, cell.bottom);
      } else {
        highestInner = std::min(highestInner, cell.top);
      }
    }
    EXPECT_LT(lowestEdge, highestInner);
    ASSERT_EQ(puzzle->groups.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(puzzle->groups[i].get(), order[i]);
  }
}

// With room to spare the images themselves keep apart, a little air between them.
TEST(ArrangeEdgesApart, SmallPuzzlesKeepWholeImagesApart) {
  SeedRandom(9);
  auto puzzle = MakeTestPuzzle(nullptr, 8, 6, 3);
  ArrangePieces(*puzzle, kPlayArea, ArrangeKind::EdgesApart);
  for (const auto& a : puzzle->pieces) {
    const Rect image = Rect::FromSize(a->x, a->y, a->imageWidth, a->imageHeight);
    EXPECT_EQ(image.Intersected(kArea), image);
    for (const auto& b : puzzle->pieces) {
      if (a == b) continue;
      EXPECT_TRUE(
          image.Intersected(Rect::FromSize(b->x, b->y, b->imageWidth, b->imageHeight)).IsEmpty());
    }
  }
}

}  // namespace
