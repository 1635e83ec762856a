// The indexed join search against the plain scan: the same joins, in the same order.
#include "play/JoinSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "play/Joining.h"
#include "play/TestPuzzles.h"

namespace {

// A game whose pieces lie near their places in the picture, so drops join often and in chains:
// jitter up to 12 pixels, a quarter turned, some in boxes, the groups shuffled.
std::unique_ptr<PuzzleRecord> CrowdedGame(uint32_t seed) {
  std::mt19937 random(seed);
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  auto puzzle = MakeTestPuzzle(nullptr, 2 + below(10), 2 + below(8), below(8), true);
  for (const auto& piece : puzzle->pieces) {
    piece->x += 100 + below(25) - 12;
    piece->y += 100 + below(25) - 12;
    if (below(4) == 0) piece->rotation = 1 + below(3);
  }
  for (const auto& group : puzzle->groups) {
    if (below(6) == 0) group->box = 1 + below(2);
  }
  std::shuffle(puzzle->groups.begin(), puzzle->groups.end(), random);
  return puzzle;
}

// Same groups in the same order with the same pieces in the same order and places.
::testing::AssertionResult SameGame(const PuzzleRecord& a, const PuzzleRecord& b) {
  if (a.groups.size() != b.groups.size()) {
    return ::testing::AssertionFailure() << a.groups.size() << " vs " << b.groups.size();
  }
  for (std::size_t g = 0; g < a.groups.size(); ++g) {
    const PieceGroup& ga = *a.groups[g];
    const PieceGroup& gb = *b.groups[g];
    if (ga.box != gb.box || ga.pieces.size() != gb.pieces.size()) {
      return ::testing::AssertionFailure() << "group " << g << " differs";
    }
    for (std::size_t i = 0; i < ga.pieces.size(); ++i) {
      const Piece& pa = *ga.pieces[i];
      const Piece& pb = *gb.pieces[i];
      if (pa.id != pb.id || pa.x != pb.x || pa.y != pb.y) {
        return ::testing::AssertionFailure() << "group " << g << " piece " << i << " differs";
      }
    }
  }
  if (a.solvedPercent != b.solvedPercent) return ::testing::AssertionFailure() << "percent";
  return ::testing::AssertionSuccess();
}

TEST(JoinSearch, IndexedAndPlainJoinTheSameGroupsInTheSameOrder) {
  int joins = 0, chains = 0;
  for (uint32_t seed = 0; seed < 150; ++seed) {
    auto plain = CrowdedGame(seed);
    auto indexed = CrowdedGame(seed);
    PlayState statePlain = MakePlayState(), stateIndexed = MakePlayState();
    std::mt19937 random(seed + 1000);
    for (int drop = 0; drop < 40 && plain->groups.size() > 1; ++drop) {
      const auto g = static_cast<std::size_t>(random() % plain->groups.size());
      plain->draggedGroup = plain->groups[g].get();
      indexed->draggedGroup = indexed->groups[g].get();
      ASSERT_EQ(FindJoinPlain(*plain, *plain->draggedGroup),
                FindJoinIndexed(*indexed, *indexed->draggedGroup));
      const std::size_t before = plain->groups.size();
      PlayEffects effectsPlain, effectsIndexed;
      const bool joinedPlain = TryJoin(statePlain, *plain, effectsPlain, JoinSearch::Plain);
      const bool joinedIndexed =
          TryJoin(stateIndexed, *indexed, effectsIndexed, JoinSearch::Indexed);
      ASSERT_EQ(joinedPlain, joinedIndexed);
      ASSERT_TRUE(SameGame(*plain, *indexed)) << "seed " << seed << " drop " << drop;
      ASSERT_EQ(effectsPlain.steps, effectsIndexed.steps);
      joins += static_cast<int>(before - plain->groups.size());
      chains += before - plain->groups.size() > 1;
      plain->draggedGroup = indexed->draggedGroup = nullptr;
    }
  }
  // The games really exercised joins and chains of joins.
  EXPECT_GT(joins, 1000);
  EXPECT_GT(chains, 100);
}

// Grids the index cannot file (a negative cell, cells far beyond the pieces) and cells holding
// two pieces give the plain scan's answer too.
TEST(JoinSearch, OddGridsGiveThePlainAnswer) {
  auto puzzle = MakeTestPuzzle(nullptr, 3, 3);
  for (const auto& piece : puzzle->pieces) {
    piece->x += 50;
    piece->y += 50;
  }
  PieceGroup& dragged = *puzzle->groups[4];  // the middle piece
  const auto expected = FindJoinPlain(*puzzle, dragged);
  ASSERT_TRUE(expected);
  EXPECT_EQ(FindJoinIndexed(*puzzle, dragged), expected);
  puzzle->pieces[8]->col = -1;
  EXPECT_EQ(FindJoinIndexed(*puzzle, dragged), FindJoinPlain(*puzzle, dragged));
  puzzle->pieces[8]->col = 1 << 20;
  EXPECT_EQ(FindJoinIndexed(*puzzle, dragged), FindJoinPlain(*puzzle, dragged));
  // Piece 0 takes piece 1's cell and place: that cell holds two pieces.
  puzzle->pieces[8]->col = 2;
  puzzle->pieces[0]->col = 1;
  puzzle->pieces[0]->x = puzzle->pieces[1]->x;
  EXPECT_EQ(FindJoinIndexed(*puzzle, dragged), FindJoinPlain(*puzzle, dragged));
  std::swap(puzzle->groups[0], puzzle->groups[1]);
  EXPECT_EQ(FindJoinIndexed(*puzzle, dragged), FindJoinPlain(*puzzle, dragged));
}

}  // namespace
