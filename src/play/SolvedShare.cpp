// Counting the joined neighbour pairs.
#include "play/SolvedShare.h"

#include <algorithm>

#include "play/PieceCellIndex.h"

namespace {

// Every pair of every group checked directly; used when the grid cannot be indexed.
int64_t CountJoinedPairsPlain(const PuzzleRecord& puzzle) {
  int64_t pairs = 0;
  for (const auto& group : puzzle.groups) {
    for (const Piece* a : group->pieces) {
      for (const Piece* b : group->pieces) {
        const bool right = b->row == a->row && b->col == a->col + 1;
        const bool lower = b->col == a->col && b->row == a->row + 1;
        pairs += right || lower;
      }
    }
  }
  return pairs;
}

}  // namespace

int64_t CountJoinedPairs(const PuzzleRecord& puzzle) {
  PieceCellIndex index;
  if (!index.Build(puzzle, [](std::size_t) { return true; })) {
    return CountJoinedPairsPlain(puzzle);
  }
  int64_t pairs = 0;
  for (std::size_t g = 0; g < puzzle.groups.size(); ++g) {
    for (const Piece* a : puzzle.groups[g]->pieces) {
      const auto sameGroup = [&](const PieceCellIndex::Entry& b) { pairs += b.group == g; };
      index.ForEachAt(a->col + 1, a->row, sameGroup);
      index.ForEachAt(a->col, a->row + 1, sameGroup);
    }
  }
  return pairs;
}

int64_t NeighbourPairCount(const PuzzleRecord& puzzle) {
  const int64_t cols = puzzle.cols, rows = puzzle.rows;
  if (cols == 0 || rows == 0) return 0;
  return rows * (cols - 1) + cols * (rows - 1);
}

uint8_t SharePercent(int64_t pairs, int64_t total) {
  if (total <= 0 || pairs <= 0) return 0;
  // In integers: a share such as 348 of 1,200 is exactly 29, which floating point can miss.
  return static_cast<uint8_t>(std::min<int64_t>(pairs * 100 / total, 100));
}

uint8_t SolvedPercent(const PuzzleRecord& puzzle) {
  const int64_t total = NeighbourPairCount(puzzle);
  if (total <= 0) return 0;
  return SharePercent(CountJoinedPairs(puzzle), total);
}
