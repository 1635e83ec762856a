// Finding, raising and removing groups in the drawing order.
#include "play/GroupOrder.h"

#include <iterator>
#include <utility>

std::optional<std::size_t> GroupIndex(const PuzzleRecord& puzzle, const PieceGroup* group) {
  for (std::size_t i = 0; i < puzzle.groups.size(); ++i) {
    if (puzzle.groups[i].get() == group) return i;
  }
  return std::nullopt;
}

void BringToFront(PuzzleRecord& puzzle, const PieceGroup* group) {
  const auto index = GroupIndex(puzzle, group);
  if (!index) return;
  const auto at = std::next(puzzle.groups.begin(), static_cast<std::ptrdiff_t>(*index));
  std::unique_ptr<PieceGroup> raised = std::move(*at);
  puzzle.groups.erase(at);
  puzzle.groups.push_back(std::move(raised));
}

void RemoveGroup(PuzzleRecord& puzzle, const PieceGroup* group) {
  const auto index = GroupIndex(puzzle, group);
  if (!index) return;
  puzzle.groups.erase(std::next(puzzle.groups.begin(), static_cast<std::ptrdiff_t>(*index)));
}
