// The mouse-only player: finds visible points, drags and right-clicks groups.
#include "GamePlayer.h"

#include <cstdlib>
#include <vector>

#include "play/CornerBox.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"

namespace {

// The puzzle's grid neighbours of a piece that lie in other groups.
std::vector<const Piece*> LooseNeighbours(PuzzleRecord& puzzle, const Piece& piece) {
  std::vector<const Piece*> found;
  const PieceGroup* own = GroupHolding(puzzle, &piece);
  for (const auto& other : puzzle.pieces) {
    const int distance = std::abs(other->col - piece.col) + std::abs(other->row - piece.row);
    if (distance == 1 && GroupHolding(puzzle, other.get()) != own) found.push_back(other.get());
  }
  return found;
}

// One drop that joins two groups; false when no pair could be dropped.
bool JoinOnce(Game& game) {
  PuzzleRecord& puzzle = *game.OpenPuzzle();
  const std::size_t before = puzzle.groups.size();
  for (const auto& piece : puzzle.pieces) {
    for (const Piece* neighbour : LooseNeighbours(puzzle, *piece)) {
      if (DropBeside(game, *piece, *neighbour) &&
          (game.Mode() != ViewMode::Play || puzzle.groups.size() < before))
        return true;
    }
  }
  return false;
}

}  // namespace

PieceGroup* GroupHolding(PuzzleRecord& puzzle, const Piece* piece) {
  for (const auto& group : puzzle.groups) {
    for (const Piece* member : group->pieces) {
      if (member == piece) return group.get();
    }
  }
  return nullptr;
}

std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group) {
  PuzzleRecord& puzzle = *game.OpenPuzzle();
  const auto index = GroupIndex(puzzle, &group);
  if (!index) return std::nullopt;
  for (const Piece* piece : group.pieces) {
    for (int y = 2; y < piece->imageHeight; y += 4) {
      for (int x = 2; x < piece->imageWidth; x += 4) {
        const ClientPoint p{piece->x + x, piece->y + y};
        if (!game.State().playArea.Contains(p.x, p.y)) continue;
        if (BoxNumberAt(game.State().boxes, p) != group.box) continue;
        if (HitTest(puzzle, p, group.box).groupIndex == static_cast<int>(*index)) return p;
      }
    }
  }
  return std::nullopt;
}

std::optional<ClientPoint> EmptyFieldPoint(Game& game) {
  const Rect& area = game.State().playArea;
  for (int y = area.top + 40; y < area.bottom - 40; y += 16) {
    for (int x = area.left + 40; x < area.right - 40; x += 16) {
      const ClientPoint p{x, y};
      if (BoxNumberAt(game.State().boxes, p) == 0 && !HitTest(*game.OpenPuzzle(), p, 0)) return p;
    }
  }
  return std::nullopt;
}

bool DragGroupBy(Game& game, const PieceGroup& group, int dx, int dy) {
  const auto grab = GrabPoint(game, group);
  if (!grab) return false;
  const ClientPoint drop{grab->x + dx, grab->y + dy};
  game.LeftButtonDown(*grab);
  game.MouseMove({grab->x + dx / 2, grab->y + dy / 2});
  game.MouseMove(drop);
  game.LeftButtonUp(drop);
  return true;
}

bool DropBeside(Game& game, const Piece& moved, const Piece& neighbour) {
  PieceGroup* group = GroupHolding(*game.OpenPuzzle(), &moved);
  if (group == nullptr) return false;
  const auto grab = GrabPoint(game, *group);
  if (!grab) return false;
  const int targetX = neighbour.x + (moved.col - neighbour.col) * neighbour.cellWidth;
  const int targetY = neighbour.y + (moved.row - neighbour.row) * neighbour.cellHeight;
  const int dx = targetX - moved.x;
  const int dy = targetY - moved.y;
  if (BoxNumberAt(game.State().boxes, {grab->x + dx, grab->y + dy}) != 0) return false;
  return DragGroupBy(game, *group, dx, dy);
}

bool TurnAllUpright(Game& game) {
  PuzzleRecord& puzzle = *game.OpenPuzzle();
  for (int clicks = 0; clicks < 4 * static_cast<int>(puzzle.pieces.size()); ++clicks) {
    PieceGroup* tilted = nullptr;
    for (const auto& group : puzzle.groups) {
      if (group->pieces.front()->rotation != 0) tilted = group.get();
    }
    if (tilted == nullptr) return true;
    if (!RightClick(game, *tilted)) return false;
  }
  return false;
}

bool RightClick(Game& game, const PieceGroup& group) {
  const auto point = GrabPoint(game, group);
  if (!point) return false;
  game.RightButtonDown(*point);
  game.RightButtonUp(*point);
  return true;
}

bool SolveByMouse(Game& game) {
  if (game.OpenPuzzle() == nullptr || !TurnAllUpright(game)) return false;
  while (game.Mode() == ViewMode::Play) {
    if (!JoinOnce(game)) return false;
  }
  return game.Mode() == ViewMode::Celebration;
}
