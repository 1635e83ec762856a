// A scripted player for the play tests.
#include "play/PlayDriver.h"

#include "play/CornerBox.h"
#include "play/Dragging.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"
#include "play/Turning.h"

namespace {

bool OffTheBoxes(const PlayState& state, ClientPoint p) {
  return BoxNumberAt(state.boxes, p) == 0;
}

}  // namespace

std::optional<ClientPoint> VisiblePointOf(const PlayState& state, const PuzzleRecord& puzzle,
                                          const PieceGroup& group) {
  const auto index = GroupIndex(puzzle, &group);
  if (!index) return std::nullopt;
  for (const Piece* piece : group.pieces) {
    for (int y = 1; y < piece->imageHeight; y += 3) {
      for (int x = 1; x < piece->imageWidth; x += 3) {
        const ClientPoint p{piece->x + x, piece->y + y};
        if (BoxNumberAt(state.boxes, p) != group.box) continue;
        if (HitTest(puzzle, p, group.box).groupIndex == static_cast<int>(*index)) return p;
      }
    }
  }
  return std::nullopt;
}

ClientPoint PlaceBeside(const Piece& moved, const Piece& neighbour) {
  // Upright, the offset is the grid distance in cells; each quarter turn turns it clockwise.
  int u = (moved.col - neighbour.col) * neighbour.cellWidth;
  int v = (moved.row - neighbour.row) * neighbour.cellHeight;
  for (int r = 0; r < neighbour.rotation; ++r) {
    const int turned = -v;
    v = u;
    u = turned;
  }
  return {neighbour.x + u, neighbour.y + v};
}

bool DropBeside(PlayState& state, PuzzleRecord& puzzle, Piece& moved, const Piece& neighbour,
                int offX, int offY, PlayEffects& effects) {
  const PieceGroup* group = nullptr;
  for (const auto& g : puzzle.groups) {
    for (const Piece* p : g->pieces) {
      if (p == &moved) group = g.get();
    }
  }
  if (group == nullptr) return false;
  const auto grab = VisiblePointOf(state, puzzle, *group);
  if (!grab) return false;
  const ClientPoint place = PlaceBeside(moved, neighbour);
  const ClientPoint drop{grab->x + place.x + offX - moved.x, grab->y + place.y + offY - moved.y};
  if (!OffTheBoxes(state, drop)) return false;
  LeftButtonDown(state, puzzle, *grab, effects);
  MouseMove(state, puzzle, drop, effects);
  LeftButtonUp(state, puzzle, drop, effects);
  return true;
}

bool TurnOnce(PlayState& state, PuzzleRecord& puzzle, const PieceGroup& group,
              PlayEffects& effects) {
  const auto point = VisiblePointOf(state, puzzle, group);
  if (!point) return false;
  RightButtonUp(state, puzzle, *point, effects);
  return true;
}
