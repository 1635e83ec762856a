// Finding the first join of a dropped group: the plain scan and an indexed search.
#pragma once

#include <cstddef>
#include <optional>

#include "puzzle/PuzzleRecord.h"

// The first join a scan finds: the resting group, and the moved piece's residual offset.
struct JoinMatch {
  std::size_t groupIndex = 0;
  int dx = 0;
  int dy = 0;
  bool operator==(const JoinMatch&) const = default;
};

enum class JoinSearch { Indexed, Plain };

// The plain scan: groups G in sequence order other than `dragged` and in the same box; pieces M
// of `dragged` in order; pieces S of G in order; the first S, M that fit. Kept as the reference
// that defines which join comes first.
std::optional<JoinMatch> FindJoinPlain(const PuzzleRecord& puzzle, const PieceGroup& dragged);

// The same answer as the plain scan, found through the grid neighbours of the dragged pieces,
// so a drop costs time in proportion to the pieces instead of their product.
std::optional<JoinMatch> FindJoinIndexed(const PuzzleRecord& puzzle, const PieceGroup& dragged);

std::optional<JoinMatch> FindJoin(JoinSearch search, const PuzzleRecord& puzzle,
                                  const PieceGroup& dragged);
