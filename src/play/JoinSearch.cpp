// The two join searches.
#include "play/JoinSearch.h"

#include <tuple>

#include "play/FitsNeighbour.h"
#include "play/PieceCellIndex.h"

std::optional<JoinMatch> FindJoinPlain(const PuzzleRecord& puzzle, const PieceGroup& dragged) {
  for (std::size_t g = 0; g < puzzle.groups.size(); ++g) {
    const PieceGroup& group = *puzzle.groups[g];
    if (&group == &dragged || group.box != dragged.box) continue;
    for (const Piece* moved : dragged.pieces) {
      for (const Piece* stationary : group.pieces) {
        const NeighbourFit fit = FitsNeighbour(*stationary, *moved);
        if (fit.fits) return JoinMatch{g, fit.dx, fit.dy};
      }
    }
  }
  return std::nullopt;
}

std::optional<JoinMatch> FindJoinIndexed(const PuzzleRecord& puzzle, const PieceGroup& dragged) {
  PieceCellIndex index;
  const bool built = index.Build(puzzle, [&](std::size_t g) {
    const PieceGroup& group = *puzzle.groups[g];
    return &group != &dragged && group.box == dragged.box;
  });
  if (!built) return FindJoinPlain(puzzle, dragged);

  // The plain scan's order: group index first, then the moved piece, then the resting piece.
  using Key = std::tuple<std::size_t, std::size_t, std::size_t>;
  std::optional<Key> best;
  std::optional<JoinMatch> match;
  constexpr int kNeighbours[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (std::size_t m = 0; m < dragged.pieces.size(); ++m) {
    const Piece& moved = *dragged.pieces[m];
    for (const auto& step : kNeighbours) {
      index.ForEachAt(moved.col + step[0], moved.row + step[1], [&](const auto& entry) {
        const Key key{entry.group, m, entry.indexInGroup};
        if (best && key >= *best) return;
        const NeighbourFit fit = FitsNeighbour(*entry.piece, moved);
        if (!fit.fits) return;
        best = key;
        match = JoinMatch{entry.group, fit.dx, fit.dy};
      });
    }
  }
  return match;
}

std::optional<JoinMatch> FindJoin(JoinSearch search, const PuzzleRecord& puzzle,
                                  const PieceGroup& dragged) {
  return search == JoinSearch::Plain ? FindJoinPlain(puzzle, dragged)
                                     : FindJoinIndexed(puzzle, dragged);
}
