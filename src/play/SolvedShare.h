// The share of neighbour pairs that are joined, as the puzzle's solved percentage.
#pragma once

#include <cstdint>

#include "puzzle/PuzzleRecord.h"

// Ordered pairs (a, b) of pieces in one group where b is a's right or lower grid neighbour.
int64_t CountJoinedPairs(const PuzzleRecord& puzzle);

// The neighbour pairs of the whole grid: rows x (cols - 1) + cols x (rows - 1).
int64_t NeighbourPairCount(const PuzzleRecord& puzzle);

// `pairs` of `total` in percent, truncated exactly (integer arithmetic); 0 without a total,
// never more than 100.
uint8_t SharePercent(int64_t pairs, int64_t total);

// Joined pairs over all pairs, in percent, truncated. A grid without neighbour pairs (one
// piece, or none) has nothing to join and counts 0; the answer never exceeds 100.
uint8_t SolvedPercent(const PuzzleRecord& puzzle);
