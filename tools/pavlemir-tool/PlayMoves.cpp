// Grabbing, dragging and clicking the way a player does, through the game's handlers.
#include "PlayMoves.h"

#include "play/GroupOrder.h"
#include "play/HitTest.h"

namespace {

constexpr int kDragSteps = 4;
constexpr int kScanStep = 2;

bool Pickable(Game& game, const PieceGroup& group, std::size_t index, ClientPoint p,
              const std::function<bool(ClientPoint)>& accept) {
  const PlayState& state = game.State();
  if (!state.client.Contains(p.x, p.y) || BoxNumberAt(state.boxes, p) != group.box) return false;
  if (OnBoxHandle(state.boxes, p) || !accept(p)) return false;
  const HitResult hit = HitTest(*game.OpenPuzzle(), p, group.box);
  return hit && static_cast<std::size_t>(hit.groupIndex) == index;
}

// Points of the piece's opaque image, every kScanStep pixels.
std::optional<ClientPoint> ScanPiece(Game& game, const PieceGroup& group, std::size_t index,
                                     const Piece& piece,
                                     const std::function<bool(ClientPoint)>& accept) {
  const Surface* image = piece.image[static_cast<std::size_t>(piece.rotation & 3)].get();
  if (image == nullptr) return std::nullopt;
  for (int y = 1; y < piece.imageHeight; y += kScanStep) {
    for (int x = 1; x < piece.imageWidth; x += kScanStep) {
      const ClientPoint p{piece.x + x, piece.y + y};
      if (IsOpaqueAt(*image, x, y) && Pickable(game, group, index, p, accept)) return p;
    }
  }
  return std::nullopt;
}

}  // namespace

bool OnBoxHandle(const CornerBoxes& boxes, ClientPoint point) {
  for (const CornerBox& box : boxes) {
    if (box.closedRect.Contains(point.x, point.y)) return true;
    if (box.open && box.InnerHandle().Contains(point.x, point.y)) return true;
  }
  return false;
}

std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group,
                                     const std::function<bool(ClientPoint)>& accept) {
  if (game.OpenPuzzle() == nullptr) return std::nullopt;
  const auto index = GroupIndex(*game.OpenPuzzle(), &group);
  if (!index) return std::nullopt;
  for (const Piece* piece : group.pieces) {
    const ClientPoint centre{piece->x + piece->imageWidth / 2, piece->y + piece->imageHeight / 2};
    if (Pickable(game, group, *index, centre, accept)) return centre;
  }
  for (const Piece* piece : group.pieces) {
    if (const auto p = ScanPiece(game, group, *index, *piece, accept)) return p;
  }
  return std::nullopt;
}

std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group) {
  return GrabPoint(game, group, [](ClientPoint) { return true; });
}

void DragPointer(Game& game, ClientPoint from, ClientPoint to) {
  game.LeftButtonDown(from);
  for (int step = 1; step < kDragSteps; ++step) {
    const ClientPoint p{from.x + (to.x - from.x) * step / kDragSteps,
                        from.y + (to.y - from.y) * step / kDragSteps};
    const int box = BoxNumberAt(game.State().boxes, p);
    if (box != 0 && box != BoxNumberAt(game.State().boxes, to)) continue;
    game.MouseMove(p);
  }
  game.MouseMove(to);
  game.LeftButtonUp(to);
}

void RightClick(Game& game, ClientPoint at) {
  game.RightButtonDown(at);
  game.RightButtonUp(at);
}

void ClickHandle(Game& game, const CornerBox& box) {
  const ClientPoint centre{(box.closedRect.left + box.closedRect.right) / 2,
                           (box.closedRect.top + box.closedRect.bottom) / 2};
  game.LeftButtonDown(centre);
  game.LeftButtonUp(centre);
}

std::string DragGroupTo(Game& game, int index, ClientPoint firstAt) {
  PuzzleRecord* puzzle = game.OpenPuzzle();
  if (game.Mode() != ViewMode::Play || puzzle == nullptr) return "no puzzle is in play";
  if (game.State().flags.paused) return "the game is paused";
  if (index < 0 || static_cast<std::size_t>(index) >= puzzle->groups.size())
    return "there is no group " + std::to_string(index);
  const PieceGroup& group = *puzzle->groups[static_cast<std::size_t>(index)];
  const auto grab = GrabPoint(game, group);
  if (!grab) return "no point of group " + std::to_string(index) + " can be picked";
  const Piece& first = *group.pieces.front();
  DragPointer(game, *grab, {grab->x + firstAt.x - first.x, grab->y + firstAt.y - first.y});
  return {};
}
