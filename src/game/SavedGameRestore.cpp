// Rebuilding the saved groups and positions.
#include "game/SavedGameRestore.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "play/DropLimit.h"

namespace {

void AddSingleGroup(PuzzleRecord& puzzle, Piece& piece) {
  auto group = std::make_unique<PieceGroup>();
  group->pieces.push_back(&piece);
  puzzle.groups.push_back(std::move(group));
}

}  // namespace

void RebuildGroups(PuzzleRecord& puzzle) {
  puzzle.groups.clear();
  std::vector<bool> placed(puzzle.pieces.size(), false);
  for (const auto& saved : puzzle.savedGroups) {
    auto group = std::make_unique<PieceGroup>();
    group->box = saved->box;
    for (const Piece* member : saved->pieces) {
      const auto id = static_cast<std::size_t>(member->id);
      if (member->id < 0 || id >= puzzle.pieces.size() || placed[id]) continue;
      placed[id] = true;
      group->pieces.push_back(puzzle.pieces[id].get());
    }
    if (!group->pieces.empty()) puzzle.groups.push_back(std::move(group));
  }
  for (std::size_t id = 0; id < puzzle.pieces.size(); ++id) {
    if (!placed[id]) AddSingleGroup(puzzle, *puzzle.pieces[id]);
  }
}

void RestorePositions(PuzzleRecord& puzzle, const PlayState& state) {
  const std::size_t count = std::min(puzzle.pieces.size(), puzzle.savedPieces.size());
  for (std::size_t i = 0; i < count; ++i) {
    Piece& piece = *puzzle.pieces[i];
    const Piece& saved = *puzzle.savedPieces[i];
    piece.x = saved.x;
    piece.y = saved.y;
    piece.rotation = saved.rotation;
  }
  for (const auto& group : puzzle.groups) KeepGroupInside(state, *group);
}
