// Snapping and joining: the neighbour test, the join loop, the solved share and completion.
#include "play/Joining.h"

#include <gtest/gtest.h>

#include "play/FitsNeighbour.h"
#include "play/SolvedShare.h"
#include "play/TestPuzzles.h"
#include "play/Turning.h"

namespace {

// Pieces of 20-pixel cells (24-pixel images), no images needed.
class Joining : public ::testing::Test {
 protected:
  Piece& P(int id) { return *puzzle->pieces[static_cast<std::size_t>(id)]; }
  void Place(int id, int x, int y) {
    P(id).x = x;
    P(id).y = y;
  }
  // Merges the groups of the listed pieces into the first one's group, as joins would.
  void Join(std::initializer_list<int> ids) {
    PieceGroup* target = GroupOf(*puzzle, &P(*ids.begin()));
    for (int id : ids) {
      PieceGroup* group = GroupOf(*puzzle, &P(id));
      if (group == target) continue;
      for (Piece* piece : group->pieces) target->pieces.push_back(piece);
      std::erase_if(puzzle->groups, [&](const auto& g) { return g.get() == group; });
    }
  }
  void Drag(int id) { puzzle->draggedGroup = GroupOf(*puzzle, &P(id)); }

  std::unique_ptr<PuzzleRecord> puzzle = MakeTestPuzzle(nullptr, 3, 2);
  PlayState state = MakePlayState();
  PlayEffects effects;
};

TEST_F(Joining, NinePixelsOffSnapsTenDoNot) {
  Place(0, 100, 100);
  for (const auto& [dx, dy, fits] :
       {std::tuple{9, 9, true}, std::tuple{-9, -9, true}, std::tuple{10, 0, false},
        std::tuple{0, -10, false}, std::tuple{0, 0, true}}) {
    Place(1, 120 + dx, 100 + dy);
    const NeighbourFit fit = FitsNeighbour(P(0), P(1));
    EXPECT_EQ(fit.fits, fits) << dx << "," << dy;
    if (fits) {
      EXPECT_EQ(fit.dx, dx);
      EXPECT_EQ(fit.dy, dy);
    }
  }
}

TEST_F(Joining, OnlyGridNeighboursWithTheSameRotationFit) {
  Place(0, 100, 100);
  Place(4, 120, 120);  // diagonal neighbour, exactly in place
  EXPECT_FALSE(FitsNeighbour(P(0), P(4)).fits);
  Place(2, 140, 100);  // two columns away, exactly in place
  EXPECT_FALSE(FitsNeighbour(P(0), P(2)).fits);
  Place(3, 100, 120);
  EXPECT_TRUE(FitsNeighbour(P(0), P(3)).fits);
  P(3).rotation = 2;
  EXPECT_FALSE(FitsNeighbour(P(0), P(3)).fits);
  P(0).rotation = 2;
  EXPECT_FALSE(FitsNeighbour(P(0), P(3)).fits);  // rotation 2 wants it above, not below
}

// Whatever turns a finished picture takes, its neighbours still fit each other exactly, and a
// residual offset comes back as it was made.
TEST_F(Joining, TurnedAssembliesStillFitInEveryDirection) {
  auto big = MakeTestPuzzle(nullptr, 4, 3);
  auto whole = std::make_unique<PieceGroup>();
  for (const auto& piece : big->pieces) {
    piece->x += 200;
    piece->y += 300;
    whole->pieces.push_back(piece.get());
  }
  for (int turn = 0; turn < 4; ++turn) {
    for (const auto& s : big->pieces) {
      for (const auto& m : big->pieces) {
        const int distance = std::abs(s->col - m->col) + std::abs(s->row - m->row);
        EXPECT_EQ(FitsNeighbour(*s, *m), (NeighbourFit{distance == 1, 0, 0}))
            << "turn " << turn << " " << s->id << "-" << m->id;
        if (distance != 1) continue;
        m->x += 9, m->y -= 9;
        EXPECT_EQ(FitsNeighbour(*s, *m), (NeighbourFit{true, 9, -9}));
        m->x -= 9, m->y += 9;
      }
    }
    TurnGroup(*whole, *big->pieces[5]);
  }
}

TEST_F(Joining, ADropNearTwoGroupsJoinsBothAndTheLastJoinsGroupIsOnTop) {
  // Pieces 0 and 2 rest; piece 1 is dropped between them, 3 pixels off.
  Place(0, 100, 100);
  Place(2, 140, 100);
  Place(1, 123, 101);
  Drag(1);
  EXPECT_TRUE(TryJoin(state, *puzzle, effects));
  PieceGroup* all = GroupOf(*puzzle, &P(0));
  EXPECT_EQ(all, GroupOf(*puzzle, &P(2)));
  EXPECT_EQ(all, GroupOf(*puzzle, &P(1)));
  EXPECT_EQ(puzzle->groups.back().get(), all);
  EXPECT_EQ(puzzle->draggedGroup, all);
  EXPECT_EQ(puzzle->groups.size(), 4u);
  // Piece 1 joined piece 0's group first (it comes first in the sequence), then that group was
  // dragged into piece 2's: its pieces follow piece 2 in their order.
  ASSERT_EQ(all->pieces.size(), 3u);
  EXPECT_EQ(all->pieces[0], &P(2));
  EXPECT_EQ(all->pieces[1], &P(0));
  EXPECT_EQ(all->pieces[2], &P(1));
  EXPECT_EQ(P(1).x, 120);
  EXPECT_EQ(P(1).y, 100);
  EXPECT_EQ(puzzle->solvedPercent, 28);  // 2 of 7 pairs
}

TEST_F(Joining, GroupsJoinOnlyWithinTheirBox) {
  Place(0, 100, 100);
  Place(1, 120, 100);
  puzzle->groups[1]->box = 2;
  Drag(1);
  EXPECT_FALSE(TryJoin(state, *puzzle, effects));
  puzzle->groups[0]->box = 2;
  EXPECT_TRUE(TryJoin(state, *puzzle, effects));
  EXPECT_EQ(GroupOf(*puzzle, &P(0))->box, 2);
}

TEST_F(Joining, NoDraggedGroupJoinsNothing) {
  EXPECT_FALSE(TryJoin(state, *puzzle, effects));
  EXPECT_TRUE(effects.steps.empty());
}

// Replaces the puzzle's groups by groups of the listed piece ids.
void Regroup(PuzzleRecord& puzzle, std::initializer_list<std::initializer_list<int>> groups) {
  puzzle.groups.clear();
  for (const auto& ids : groups) {
    puzzle.groups.push_back(std::make_unique<PieceGroup>());
    for (int id : ids) {
      puzzle.groups.back()->pieces.push_back(puzzle.pieces[static_cast<std::size_t>(id)].get());
    }
  }
}

TEST(SolvedShare, ThreeOfSevenPairsIsFortyTwoPercent) {
  auto puzzle = MakeTestPuzzle(nullptr, 3, 2);  // ids 0 1 2 over 3 4 5
  EXPECT_EQ(NeighbourPairCount(*puzzle), 7);
  EXPECT_EQ(SolvedPercent(*puzzle), 0);
  Regroup(*puzzle, {{0, 1, 2, 3}, {4}, {5}});  // pairs 0-1, 1-2, 0-3
  EXPECT_EQ(CountJoinedPairs(*puzzle), 3);
  EXPECT_EQ(SolvedPercent(*puzzle), 42);
  Regroup(*puzzle, {{4, 0, 3, 1}, {2, 5}});  // 0-1, 3-4, 0-3, 1-4, 2-5
  EXPECT_EQ(CountJoinedPairs(*puzzle), 5);
  EXPECT_EQ(SolvedPercent(*puzzle), 71);
  Regroup(*puzzle, {{5, 4, 3, 2, 1, 0}});
  EXPECT_EQ(SolvedPercent(*puzzle), 100);
}

TEST(SolvedShare, AGridWithoutPairsCountsNothing) {
  auto single = MakeTestPuzzle(nullptr, 1, 1);
  EXPECT_EQ(SolvedPercent(*single), 0);
  auto empty = MakeTestPuzzle(nullptr, 0, 0);
  EXPECT_EQ(SolvedPercent(*empty), 0);
}

// Every grid a 20-pixel piece cuts from a screen up to 8000 pixels each way: the share reaches p
// exactly at the first pair count that is p percent of the grid's pairs, never a pair earlier or
// later (348 of 1,200 pairs is 29, not 28).
TEST(SolvedShare, EveryGridTruncatesExactly) {
  constexpr int kMaxCells = 400;
  PuzzleRecord grid;
  int wrong = 0;
  for (int cols = 1; cols <= kMaxCells && wrong == 0; ++cols) {
    for (int rows = 1; rows <= kMaxCells && wrong == 0; ++rows) {
      grid.cols = static_cast<uint16_t>(cols);
      grid.rows = static_cast<uint16_t>(rows);
      const int64_t total = NeighbourPairCount(grid);
      for (int64_t p = 1; p <= 100 && total > 0; ++p) {
        const int64_t first = (p * total + 99) / 100;  // the least n with n * 100 >= p * total
        wrong += SharePercent(first, total) < p || SharePercent(first - 1, total) >= p;
      }
      if (wrong != 0) ADD_FAILURE() << cols << " x " << rows;
    }
  }
  EXPECT_EQ(SharePercent(348, 1200), 29);
  EXPECT_EQ(SharePercent(1, 1), 100);
  EXPECT_EQ(SharePercent(0, 0), 0);
}

TEST_F(Joining, TheLastJoinCompletesThePuzzleAtItsHome) {
  Join({0, 1, 3, 4, 2});
  state.boxes[0].open = true;
  state.boxes[2].open = true;
  // The rest lies 4 pixels left of and 6 below its place beside piece 5.
  Place(5, 700, 500);
  Place(0, 656, 486);
  Place(1, 676, 486);
  Place(2, 696, 486);
  Place(3, 656, 506);
  Place(4, 676, 506);
  Drag(5);
  EXPECT_TRUE(TryJoin(state, *puzzle, effects));
  EXPECT_EQ(puzzle->solvedPercent, 100);
  EXPECT_EQ(puzzle->groups.size(), 1u);
  EXPECT_TRUE(AllAtHome(*puzzle));
  EXPECT_EQ(puzzle->draggedGroup, nullptr);
  EXPECT_FALSE(state.boxes[0].open);
  EXPECT_FALSE(state.boxes[2].open);
  EXPECT_EQ(state.sparkle.frame, kSparkleResting);
  EXPECT_EQ(effects.steps, (std::vector<PlayStep>{{PlayStepKind::Repaint, state.playArea},
                                                  {PlayStepKind::Celebrate, {}},
                                                  {PlayStepKind::Repaint, state.playArea}}));
  FollowSteps(state, effects);
  EXPECT_EQ(state.mode, ViewMode::Celebration);
  for (const Firework& firework : state.fireworks) EXPECT_FALSE(firework.relaunch);

  // Dropping the finished picture again completes nothing more.
  effects = {};
  puzzle->draggedGroup = puzzle->groups.front().get();
  EXPECT_FALSE(TryJoin(state, *puzzle, effects));
  EXPECT_TRUE(effects.steps.empty());
}

}  // namespace
